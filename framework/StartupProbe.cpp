#include "framework/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace framework {

namespace {

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

class FirstFrameProbe final : public QObject {
public:
    FirstFrameProbe(QObject* parent, std::function<QStringList()> details)
        : QObject(parent)
        , details_(std::move(details)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // The frame reaches the screen once this paint event has been handled and flushed.
            QTimer::singleShot(0, this, [this] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf(
                    "first-frame-ns %lld rss-kb %ld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    residentKilobytes());
                if (details_) {
                    for (const QString& line : details_()) {
                        std::printf("%s\n", line.toLocal8Bit().constData());
                    }
                }
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<QStringList()> details_;
    bool reported_ = false;
};

} // namespace

void installFirstFrameProbe(QWidget& window, std::function<QStringList()> details) {
    if (qEnvironmentVariableIsSet("MOLVANEX_FIRST_FRAME_PROBE")) {
        window.installEventFilter(new FirstFrameProbe(&window, std::move(details)));
    }
}

} // namespace framework
