#include "framework/LongWork.h"

#include "framework/ErrorGuard.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <algorithm>

namespace framework {

namespace {

// A slice runs well under the 100 ms within which a window must answer a paint.
constexpr int sliceMs = 20;
// Work that ends sooner is not worth a dialog that would only flash.
constexpr int showAfterMs = 400;

} // namespace

LongWork::LongWork(QWidget* parent, const QString& caption, const QString& label, int total)
    : parent_(parent)
    , caption_(caption)
    , label_(label)
    , total_(std::max(total, 1)) {
    slice_.start();
}

LongWork::~LongWork() {
    delete dialog_.data();
}

QProgressDialog& LongWork::dialog() {
    if (!dialogMade_) {
        dialogMade_ = true;
        dialog_ = new QProgressDialog(label_, QStringLiteral("Annuler"), 0, total_, parent_);
        dialog_->setObjectName(QString::fromLatin1(progressDialogName));
        dialog_->setWindowTitle(caption_);
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumDuration(showAfterMs);
        // Starts the dialog's clock: it shows itself once the work has lasted showAfterMs more, or sooner
        // when the progress made so far tells that it will.
        dialog_->setValue(0);
    }
    if (dialog_.isNull()) {
        // Whatever deleted it (its window closing) has ended the work too.
        throw WorkCancelled();
    }
    return *dialog_;
}

void LongWork::advance(int done) {
    if (slice_.elapsed() < sliceMs) {
        return;
    }
    QProgressDialog& progress = dialog();
    progress.setValue(std::clamp(done, 0, total_));
    QCoreApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                         : QEventLoop::ExcludeUserInputEvents);
    if (dialog_.isNull() || dialog_->wasCanceled()) {
        throw WorkCancelled();
    }
    slice_.restart();
}

} // namespace framework
