#pragma once
// Work long enough to be waited for (printing thousands of pages, saving or copying a million rows) runs
// in slices, and between two slices the event loop runs, so that the windows keep painting. Once the work
// has lasted a moment, a progress dialog shows how far it went and offers "Annuler". Until the dialog
// shows, only events that are no user input run, and the dialog is then modal: nothing the work reads
// can be changed under it.

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

namespace framework {

class LongWork {
public:
    // total units of work (pages, rows); caption is the dialog's title, label says what is being done.
    LongWork(QWidget* parent, const QString& caption, const QString& label, int total);
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    // done units of the total are finished. Cheap enough to call for every unit: only once a slice's time
    // is up does it show the progress and let the event loop run. Throws WorkCancelled once the user has
    // cancelled.
    void advance(int done);

private:
    // The dialog is made once the first slice is over: short work never builds one.
    QProgressDialog& dialog();

    QPointer<QWidget> parent_;
    QString caption_;
    QString label_;
    int total_;
    QElapsedTimer slice_;
    QPointer<QProgressDialog> dialog_;
    bool dialogMade_ = false;
};

// The progress dialog's object name, by which tests and the random-input storm find it.
inline constexpr const char* progressDialogName = "ProgressDialog";

} // namespace framework
