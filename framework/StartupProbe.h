#pragma once
// For the start-up benchmark: when MOLVANEX_FIRST_FRAME_PROBE is set, the first painted frame of the
// window prints the wall-clock time and the resident memory at that moment, and ends the program.
//   first-frame-ns <nanoseconds since the epoch> rss-kb <resident set size>
// followed by the lines `details` gives, which let a package check see what the started program found
// (where its user guide is, say).

#include <QStringList>

#include <functional>

class QWidget;

namespace framework {

void installFirstFrameProbe(QWidget& window, std::function<QStringList()> details = {});

} // namespace framework
