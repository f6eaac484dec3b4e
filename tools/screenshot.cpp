// molvanex-screenshot [--list] [--out DIR] [NAME-SUBSTRING...]
// Renders the program's windows in the states that matter to PNG files (offscreen platform, French
// locale), so that what the program shows can be looked at on a machine without a display.

#include "ScreenshotRegistry.h"

#include "app/Application.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTimer>
#include <algorithm>

#include <cstdio>

namespace shots {

QImage grabWidget(QWidget& widget) {
    widget.show();
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
    return widget.grab().toImage();
}

} // namespace shots

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication application(argc, argv);
    app::prepareApplication();

    QString outDir = QStringLiteral("screenshots");
    QStringList filters;
    bool list = false;
    const QStringList args = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size()) {
            outDir = args[++i];
        } else if (args[i] == QLatin1String("--list")) {
            list = true;
        } else {
            filters << args[i];
        }
    }
    QDir().mkpath(outDir);
    int written = 0;
    for (const shots::Shot& shot : shots::registry()) {
        const bool wanted =
            filters.isEmpty() || std::any_of(filters.begin(), filters.end(),
                                             [&](const QString& f) { return shot.name.contains(f); });
        if (!wanted) {
            continue;
        }
        if (list) {
            std::printf("%s\n", qPrintable(shot.name));
            continue;
        }
        const QString path = QDir(outDir).filePath(shot.name + QStringLiteral(".png"));
        const QImage image = shot.render();
        if (image.isNull() || !image.save(path)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(QDir::cleanPath(QDir().absoluteFilePath(path))));
        ++written;
    }
    if (!list && written == 0) {
        std::fprintf(stderr, "no picture matched\n");
        return 1;
    }
    return 0;
}
