#include "app/MainWindowSupport.h"

#include "controls/MarkupImageList.h" // complete before the label header, whose QPointer needs it
#include "controls/markuplabel.h"
#include "framework/Edit.h"
#include "framework/QtColor.h"

#include <QFontMetrics>
#include <QPalette>
#include <QWidget>

namespace app::support {

QFont fontOf(const layout::FontSpec& fontStyle) {
    QFont font(QString::fromLatin1(fontStyle.face));
    font.setPixelSize(fontStyle.pixelSize);
    font.setBold(fontStyle.bold);
    font.setUnderline(fontStyle.underline);
    return font;
}

controls::SurfaceFont surfaceFontOf(const layout::FontSpec& fontStyle, framework::TColor color) {
    controls::SurfaceFont font;
    font.name = QString::fromLatin1(fontStyle.face);
    font.pixelSize = fontStyle.pixelSize;
    font.bold = fontStyle.bold;
    font.underline = fontStyle.underline;
    font.color = color;
    return font;
}

void place(QWidget* widget, const layout::Bounds& b) {
    widget->setGeometry(b.left, b.top, b.width, b.height);
}

void place(QWidget* widget, const layout::Place& p) {
    widget->move(p.left, p.top);
}

void setColors(QWidget* widget, framework::TColor text, framework::TColor background) {
    QPalette pal = widget->palette();
    const QColor fore = framework::toQColor(text);
    const QColor back = framework::toQColor(background);
    pal.setColor(QPalette::WindowText, fore);
    pal.setColor(QPalette::Text, fore);
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::Base, back);
    widget->setPalette(pal);
}

controls::TMarkupLabel* markupLabel(QWidget* parent, const char* name, const controls::SurfaceFont& font) {
    auto* label = new controls::TMarkupLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setSurfaceFont(font);
    label->setAutoSizing(true);
    return label;
}

void setMarkup(controls::TMarkupLabel* label, const QString& markup) {
    label->HTMLText().clear();
    if (!markup.isEmpty()) {
        label->HTMLText().add(markup);
    }
}

QString firstMarkupLine(const controls::TMarkupLabel* label) {
    const QStringList& lines = label->HTMLText().lines();
    return lines.isEmpty() ? QString() : lines.first();
}

QFont fittedFont(const layout::FontSpec& design, const QString& text, int room) {
    QFont font = fontOf(design);
    while (font.pixelSize() > smallestFittedPixels && QFontMetrics(font).horizontalAdvance(text) > room) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void fitMarkupLabel(controls::TMarkupLabel* label, const layout::FontSpec& design, framework::TColor color,
                    int room) {
    controls::SurfaceFont font = surfaceFontOf(design, color);
    label->setSurfaceFont(font);
    while (label->width() > room && font.pixelSize > smallestFittedPixels) {
        --font.pixelSize;
        label->setSurfaceFont(font);
    }
}

void showValue(framework::TEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

} // namespace app::support
