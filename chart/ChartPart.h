#pragma once
// A part of a chart (its title, an axis, a series...) that tells its chart when it changes, so that a
// view showing the chart repaints. Parts live inside their chart and are neither copied nor moved.

namespace chart {

class ChartModel;

class ChartPart {
public:
    ChartPart(const ChartPart&) = delete;
    ChartPart& operator=(const ChartPart&) = delete;

protected:
    explicit ChartPart(ChartModel& owner)
        : owner_(owner) {}
    ~ChartPart() = default;

    ChartModel& owner() const { return owner_; }
    void changed() const;

    // The setter idiom: nothing happens when the value is already there.
    template <class T, class U> void assign(T& field, U&& value) {
        if (field == value) {
            return;
        }
        field = static_cast<U&&>(value);
        changed();
    }

private:
    ChartModel& owner_;
};

} // namespace chart
