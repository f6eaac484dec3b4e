#pragma once
// Colour values as the windows and the markup speak of them: 0x00BBGGRR for a red-green-blue colour
// (red in the low byte), 0x80000000 + index for a desktop system colour, clNone for "no colour".
// Plain C++ so that the chart model can use it; QtColor.h converts to QColor in one place.

#include <cstdint>

namespace framework {

using TColor = std::uint32_t;

constexpr TColor rgb(unsigned r, unsigned g, unsigned b) {
    return TColor((r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16));
}
constexpr unsigned redOf(TColor c) {
    return c & 0xFFu;
}
constexpr unsigned greenOf(TColor c) {
    return (c >> 8) & 0xFFu;
}
constexpr unsigned blueOf(TColor c) {
    return (c >> 16) & 0xFFu;
}

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000; // "take the series colour" for a chart point
constexpr TColor systemColorBase = 0x80000000;
constexpr TColor systemColor(unsigned index) {
    return systemColorBase + index;
}
constexpr bool isSystemColor(TColor c) {
    return (c & 0xFF000000u) == systemColorBase;
}

// Desktop system colour indexes used by the controls.
constexpr TColor clBtnFace = systemColor(15);
constexpr TColor clBtnShadow = systemColor(16);
constexpr TColor clBtnHighlight = systemColor(20);

constexpr TColor clBlack = rgb(0, 0, 0);
constexpr TColor clWhite = rgb(255, 255, 255);
constexpr TColor clRed = rgb(255, 0, 0);
constexpr TColor clGreen = rgb(0, 128, 0);
constexpr TColor clBlue = rgb(0, 0, 255);
constexpr TColor clYellow = rgb(255, 255, 0);
constexpr TColor clTeal = rgb(0, 128, 128);
constexpr TColor clMaroon = rgb(128, 0, 0);
constexpr TColor clNavy = rgb(0, 0, 128);
constexpr TColor clPurple = rgb(128, 0, 128);
constexpr TColor clOlive = rgb(128, 128, 0);
constexpr TColor clGray = rgb(128, 128, 128);
constexpr TColor clSilver = rgb(192, 192, 192);
constexpr TColor clPaleYellow = rgb(255, 255, 206);

} // namespace framework
