#pragma once
// For the start-up benchmark: when MOLVANEX_FIRST_FRAME_PROBE is set, the first painted frame of the
// window prints the wall-clock time and the resident memory at that moment, and ends the program.
//   first-frame-ns <nanoseconds since the epoch> rss-kb <resident set size>

class QWidget;

namespace framework {

void installFirstFrameProbe(QWidget& window);

} // namespace framework
