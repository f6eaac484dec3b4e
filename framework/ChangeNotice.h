#pragma once
// Tells a screen reader that a text it reads on demand has changed (a slider's X, a chart's summary, a
// table's cell), only when a reader has read that text since it was last told. A reader that never read
// a text keeps nothing to refresh, and one that was told reads the text afresh when it next needs it:
// a display the simulation rewrites a hundred times raises one event, not a hundred, and the reader's
// queue stays free for what must be heard.

#include <QAccessible>

namespace framework {

class ChangeNotice {
public:
    // The text has just been given to a reader.
    void read() const { read_ = true; }
    // The text may have changed: raises `change` for `accessible` when a reader has read it since the
    // last time.
    void changed(QAccessibleInterface* accessible, QAccessible::Event change);
    void changed(QObject* object, QAccessible::Event change);

private:
    mutable bool read_ = false;
};

} // namespace framework
