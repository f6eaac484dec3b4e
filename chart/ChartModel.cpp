#include "chart/ChartModel.h"

#include <stdexcept>

namespace chart {

void ChartPart::changed() const {
    owner_.chartChanged();
}

ChartModel::ChartModel()
    : title_(*this)
    , gradient_(*this)
    , backWall_(*this)
    , bottomAxis_(*this)
    , leftAxis_(*this)
    , legend_(*this)
    , view3DOptions_(*this) {}

ChartModel::~ChartModel() = default;

void ChartModel::setView3D(bool on) {
    if (view3D_ == on) {
        return;
    }
    view3D_ = on;
    chartChanged();
}

void ChartModel::setChart3DPercent(int percent) {
    if (chart3DPercent_ == percent) {
        return;
    }
    chart3DPercent_ = percent;
    chartChanged();
}

BarSeries& ChartModel::addBarSeries(std::string title) {
    auto& added = *series_.emplace_back(std::make_unique<BarSeries>(*this, std::move(title)));
    chartChanged();
    return static_cast<BarSeries&>(added);
}

LineSeries& ChartModel::addLineSeries(std::string title) {
    auto& added = *series_.emplace_back(std::make_unique<LineSeries>(*this, std::move(title)));
    chartChanged();
    return static_cast<LineSeries&>(added);
}

Series& ChartModel::series(int index) {
    return *series_.at(std::size_t(index));
}

const Series& ChartModel::series(int index) const {
    return *series_.at(std::size_t(index));
}

BarSeries& ChartModel::barSeries(int index) {
    Series& s = series(index);
    if (s.kind() != SeriesKind::Bar) {
        throw std::logic_error("the series is not a bar series");
    }
    return static_cast<BarSeries&>(s);
}

LineSeries& ChartModel::lineSeries(int index) {
    Series& s = series(index);
    if (s.kind() != SeriesKind::Line) {
        throw std::logic_error("the series is not a line series");
    }
    return static_cast<LineSeries&>(s);
}

std::vector<LegendEntry> ChartModel::legendEntries() const {
    std::vector<LegendEntry> entries;
    if (legend_.legendStyle() == LegendStyle::Automatic && series_.size() == 1) {
        const Series& only = *series_.front();
        for (int i = 0; i < only.count(); ++i) {
            const ChartPoint& p = only.point(i);
            entries.push_back({p.label.empty() ? only.formatValue(p.y) : p.label, only.pointColor(i)});
        }
        return entries;
    }
    for (const auto& s : series_) {
        if (s->showInLegend()) {
            entries.push_back({s->title(), s->seriesColor()});
        }
    }
    return entries;
}

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A mark's two lines read as one phrase: "CuO(s) : 1 mol".
std::string spokenMark(const std::string& label, std::string mark) {
    const auto split = mark.find('\r');
    if (split != std::string::npos) {
        return trimmed(mark.substr(0, split)) + " : " + trimmed(mark.substr(split + 1));
    }
    return label.empty() ? mark : label + " : " + mark;
}

} // namespace

std::string ChartModel::summary() {
    std::vector<std::string> lines;
    std::string heading;
    for (const std::string& line : title_.text()) {
        const std::string part = trimmed(line);
        if (!part.empty()) {
            heading += (heading.empty() ? "" : " ") + part;
        }
    }
    if (!heading.empty()) {
        lines.push_back(heading);
    }
    for (int index = 0; index < seriesCount(); ++index) {
        Series& s = series(index);
        if (s.kind() == SeriesKind::Bar) {
            auto& bars = static_cast<BarSeries&>(s);
            for (int i = 0; i < bars.count(); ++i) {
                const ChartPoint& p = bars.point(i);
                lines.push_back(bars.marks().visible() ? spokenMark(p.label, bars.markText(i))
                                                       : spokenMark(p.label, bars.formatValue(p.y)));
            }
            continue;
        }
        // A line kept out of the legend belongs to no species of the equation (an absent fourth
        // species keeps the title of the last one that had it): it is not read either.
        if (!s.showInLegend()) {
            continue;
        }
        const std::string name = s.title().empty() ? "Série " + std::to_string(index + 1) : s.title();
        // A line needs two points: a single one left over from the previous equation draws nothing.
        if (s.count() < 2) {
            lines.push_back(name + " : aucun point");
        } else {
            const ChartPoint& last = s.point(s.count() - 1);
            lines.push_back(name + " : dernier point (" + s.formatValue(last.x) + " ; " +
                            s.formatValue(last.y) + ")");
        }
    }
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

void ChartModel::setLocaleProvider(LocaleProvider provider) {
    localeProvider_ = std::move(provider);
    chartChanged();
}

model::NumberLocale ChartModel::numberLocale() const {
    return localeProvider_ ? localeProvider_() : model::NumberLocale{};
}

} // namespace chart
