#include "framework/ErrorGuard.h"

#include "framework/ApplicationTitle.h"

#include "model/Failure.h"

#include <QMessageBox>

#include <cstdio>
#include <new>

namespace framework {

namespace {

ErrorRecorder& recorder() {
    static ErrorRecorder instance;
    return instance;
}

bool& boxOpen() {
    static bool open = false;
    return open;
}

QString messageOf(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Mémoire insuffisante");
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Erreur inconnue");
    }
}

bool cancelled(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const WorkCancelled&) {
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace

namespace {

// A conversion message quotes the whole text that failed, and a pupil may have pasted pages into the
// field: beyond this length the message keeps its beginning and its end, so that the box still fits the
// screen and its button stays within reach.
constexpr qsizetype longestShownMessage = 400;
constexpr qsizetype keptAtEachEnd = 180;

// Never cuts between the two halves of a surrogate pair.
qsizetype cutBefore(const QString& text, qsizetype index) {
    return index > 0 && text.at(index).isLowSurrogate() ? index - 1 : index;
}

QString shortened(const QString& message) {
    if (message.size() <= longestShownMessage) {
        return message;
    }
    const qsizetype headEnd = cutBefore(message, keptAtEachEnd);
    const qsizetype tailStart = cutBefore(message, message.size() - keptAtEachEnd);
    return message.left(headEnd) + QStringLiteral(" […] ") + message.mid(tailStart);
}

} // namespace

QString errorBoxText(const QString& message) {
    const QString shown = shortened(message);
    if (!shown.isEmpty() && shown.back() > QLatin1Char('.')) {
        return shown + QLatin1Char('.');
    }
    return shown;
}

void setErrorRecorder(ErrorRecorder newRecorder) {
    recorder() = std::move(newRecorder);
}

void showErrorBox(const QString& message) {
    const QString text = errorBoxText(message);
    if (recorder()) {
        recorder()(text);
        return;
    }
    if (boxOpen()) {
        std::fprintf(stderr, "molvanex: %s\n", qPrintable(text));
        return;
    }
    boxOpen() = true;
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok);
    // The conversion messages quote what the pupil typed: tags in it are shown as typed, never rendered.
    box.setTextFormat(Qt::PlainText);
    box.exec();
    boxOpen() = false;
}

void reportException(std::exception_ptr error) noexcept {
    if (cancelled(error)) {
        return;
    }
    try {
        showErrorBox(messageOf(error));
    } catch (...) {
        // Showing the box itself failed (no memory left): nothing more can be told to the user.
        std::fputs("molvanex: an error could not be shown\n", stderr);
    }
}

} // namespace framework
