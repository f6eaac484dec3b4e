#include "windows/FormStyle.h"

#include "framework/QtColor.h"

#include <QPalette>
#include <QWidget>

namespace windows {

QFont pixelFont(const QString& face, int pixelSize, bool bold, bool underline) {
    QFont font(face);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont formFont() {
    return pixelFont(QStringLiteral("MS Sans Serif"), 11);
}

void setBackground(QWidget* widget, framework::TColor color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, framework::toQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, framework::TColor color) {
    QPalette palette = widget->palette();
    const QColor qcolor = framework::toQColor(color);
    palette.setColor(QPalette::WindowText, qcolor);
    palette.setColor(QPalette::Text, qcolor);
    palette.setColor(QPalette::ButtonText, qcolor);
    widget->setPalette(palette);
}

} // namespace windows
