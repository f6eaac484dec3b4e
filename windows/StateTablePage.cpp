#include "windows/StateTablePage.h"

#include "framework/AccessibleTable.h"
#include "framework/ErrorGuard.h"
#include "windows/FormStyle.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace windows {

namespace {

// The values' text at 100 %: on a full-HD projector the table then fills most of its page's width, and
// reads from the back of a classroom.
constexpr int designTextSize = 32;
constexpr int margin = 16;

// Measures on the screen's metrics when there is no painter yet.
template <class Use> auto withMeasuringPainter(Use use) {
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    return use(painter);
}

} // namespace

TStateTablePage::TStateTablePage(Source source, QWidget* parent)
    : QWidget(parent)
    , source_(std::move(source)) {
    setBackground(this, framework::clPaleYellow);
    setAutoFillBackground(true);
    framework::TableReading reading;
    reading.rowCount = StateTable::rowCount;
    reading.columnCount = [this] { return source_().columnCount(); };
    reading.rowName = [](int row) { return StateTable::rowName(row); };
    reading.columnName = [this](int column) { return source_().columnName(column); };
    reading.cell = [this](int row, int column) {
        const StateTable table = source_();
        return heardCell(row, table.finalRowShown, table.cellText(row, column));
    };
    reading_ = framework::readAsTable(this, QStringLiteral("Tableau d'avancement"), std::move(reading));
}

int TStateTablePage::textSize() const {
    return int(std::lrint(designTextSize * scale_));
}

QRect TStateTablePage::area() const {
    return rect().adjusted(margin, margin, -margin, -margin);
}

QSize TStateTablePage::sizeHint() const {
    const StateTable table = source_();
    return withMeasuringPainter([&](QPainter& painter) {
               return StateTablePicture(table, screenLook).naturalSize(painter, textSize());
           }) +
           QSize(2 * margin, 2 * margin);
}

QSize TStateTablePage::minimumSizeHint() const {
    return sizeHint();
}

void TStateTablePage::setScale(double scale) {
    if (scale == scale_) {
        return;
    }
    scale_ = scale;
    updateGeometry();
    update();
}

void TStateTablePage::refresh() {
    // Qt tells a screen reader of every description set, the same or not.
    const QString description = QStringLiteral("Équation : %1").arg(source_().equationText());
    if (description != accessibleDescription()) {
        setAccessibleDescription(description);
    }
    reading_->changed();
    update();
}

StateTablePicture::Placement TStateTablePage::placement() const {
    const StateTable table = source_();
    return withMeasuringPainter([&](QPainter& painter) {
        return StateTablePicture(table, screenLook).place(painter, area(), textSize());
    });
}

void TStateTablePage::paintEvent(QPaintEvent*) {
    framework::guarded([this] {
        QPainter painter(this);
        const StateTable table = source_();
        StateTablePicture(table, screenLook).paint(painter, area(), textSize());
    });
}

} // namespace windows
