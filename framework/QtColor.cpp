#include "framework/QtColor.h"

#include <QApplication>
#include <QPalette>

namespace framework {

namespace {

QColor systemQColor(unsigned index) {
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 1:  // background (desktop)
    case 12: // application workspace
        return palette.color(QPalette::Dark);
    case 2:  // active caption
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 3:  // inactive caption
    case 11: // inactive border
    case 10: // active border
        return palette.color(QPalette::Mid);
    case 4:  // menu
    case 15: // button face
        return palette.color(QPalette::Button);
    case 5: // window
        return palette.color(QPalette::Base);
    case 6:  // window frame
    case 21: // 3-D dark shadow
        return palette.color(QPalette::Shadow);
    case 7: // menu text
    case 8: // window text
        return palette.color(QPalette::WindowText);
    case 9:  // caption text
    case 14: // highlight text
        return palette.color(QPalette::HighlightedText);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 17: // gray text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 19: // inactive caption text
        return palette.color(QPalette::Inactive, QPalette::WindowText);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    case 22: // 3-D light
        return palette.color(QPalette::Midlight);
    case 23: // info text
        return palette.color(QPalette::ToolTipText);
    case 24: // info background
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Window);
    }
}

} // namespace

QColor toQColor(TColor color) {
    if (color == clNone || color == clDefault) {
        return {};
    }
    if (isSystemColor(color)) {
        return systemQColor(color & 0xFFu);
    }
    return QColor(int(redOf(color)), int(greenOf(color)), int(blueOf(color)));
}

TColor fromQColor(const QColor& color) {
    if (!color.isValid()) {
        return clNone;
    }
    return rgb(unsigned(color.red()), unsigned(color.green()), unsigned(color.blue()));
}

} // namespace framework
