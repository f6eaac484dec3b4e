#pragma once
// The user guide in a window of the program's own, for a desktop that cannot show it (no web browser):
// read-only, with its pictures and its links within the guide; a link leaving the guide goes to the
// desktop. Escape or the close box close it. One window at a time: asking again brings it to the front.

#include <QDialog>

class QTextBrowser;

namespace windows {

class TUserGuideWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the guide at path in owner's guide window, creating it when there is none.
    static TUserGuideWindow* showGuide(QWidget* owner, const QString& path);

    QTextBrowser* browser() const { return browser_; }

private:
    TUserGuideWindow(QWidget* owner, const QString& path);

    QTextBrowser* browser_;
};

} // namespace windows
