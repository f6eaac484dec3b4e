#include "chart/Series.h"

#include "chart/ChartModel.h"
#include "model/NumberFormat.h"

#include <array>

namespace chart {

namespace {

// The colours points added with clDefault take, by index, when the series colours each point.
constexpr std::array<TColor, 12> defaultPalette = {
    framework::clRed,   framework::clGreen,  framework::rgb(255, 255, 0), framework::clBlue,
    framework::clWhite, framework::clGray,   framework::rgb(255, 0, 255), framework::clTeal,
    framework::clNavy,  framework::clMaroon, framework::rgb(0, 255, 0),   framework::clSilver,
};

} // namespace

Series::Series(ChartModel& owner, SeriesKind kind, std::string title)
    : ChartPart(owner)
    , kind_(kind)
    , title_(std::move(title)) {}

void Series::clear() {
    if (points_.empty()) {
        return;
    }
    points_.clear();
    changed();
}

int Series::addXY(double x, double y, std::string label, TColor color) {
    // Scanning backwards from the end costs nothing for the usual ascending fill. A NaN x compares as
    // neither smaller nor greater, so it is appended.
    auto at = points_.end();
    while (at != points_.begin() && x < std::prev(at)->x) {
        --at;
    }
    at = points_.insert(at, ChartPoint{x, y, std::move(label), color});
    changed();
    return int(at - points_.begin());
}

int Series::add(double value, std::string label, TColor color) {
    return addXY(double(points_.size()), value, std::move(label), color);
}

std::string Series::pointLabel(int index) const {
    if (index < 0 || index >= count()) {
        return {};
    }
    return points_[std::size_t(index)].label;
}

TColor Series::pointColor(int index) const {
    const TColor own = point(index).color;
    if (own != framework::clDefault) {
        return own;
    }
    return colorEachPoint_ ? defaultPalette[std::size_t(index) % defaultPalette.size()] : seriesColor_;
}

std::string Series::formatValue(double value) const {
    return model::formatMark(value, owner().numberLocale());
}

void Marks::setFontSize(int points) {
    ChartFont font = font_;
    font.pixelSize = pixelsFromPoints(points);
    setFont(font);
}

BarSeries::BarSeries(ChartModel& owner, std::string title)
    : Series(owner, SeriesKind::Bar, std::move(title))
    , marks_(owner) {}

std::string BarSeries::markText(int index) {
    std::string text = formatValue(point(index).y);
    if (OnGetMarkText) {
        OnGetMarkText(*this, index, text);
    }
    return text;
}

LineSeries::LineSeries(ChartModel& owner, std::string title)
    : Series(owner, SeriesKind::Line, std::move(title)) {}

} // namespace chart
