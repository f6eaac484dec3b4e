#pragma once
// A picture the screenshot tool can render: a name (the PNG's file name without extension) and a
// function that builds what is to be seen and returns it as an image.

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace shots {

struct Shot {
    QString name;
    std::function<QImage()> render;
};

inline std::vector<Shot>& registry() {
    static std::vector<Shot> shots;
    return shots;
}

struct Registrar {
    Registrar(QString name, std::function<QImage()> render) {
        registry().push_back({std::move(name), std::move(render)});
    }
};

// Shows a widget on the offscreen platform, lets pending events (layout, auto-sizing) settle and
// grabs it as it would appear on screen.
QImage grabWidget(QWidget& widget);

} // namespace shots
