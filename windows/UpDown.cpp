#include "windows/UpDown.h"

#include "framework/Edit.h"
#include "framework/ErrorGuard.h"
#include "framework/LocaleText.h"
#include "model/Conversion.h"
#include "model/NumberFormat.h"

#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>

namespace windows {

namespace {

constexpr int defaultWidth = 15;
// While an arrow is held it steps again after this delay, then at this interval.
constexpr int repeatDelay = 400;
constexpr int repeatInterval = 100;

QToolButton* makeArrow(QWidget* parent, Qt::ArrowType arrow, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(repeatDelay);
    button->setAutoRepeatInterval(repeatInterval);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(name);
    return button;
}

} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent)
    , up_(makeArrow(this, Qt::UpArrow, QStringLiteral("Augmenter")))
    , down_(makeArrow(this, Qt::DownArrow, QStringLiteral("Diminuer"))) {
    setAccessibleName(QStringLiteral("Flèches de réglage"));
    resize(defaultWidth, 21);
    connect(up_, &QToolButton::clicked, this, framework::guard([this] { step(+1); }));
    connect(down_, &QToolButton::clicked, this, framework::guard([this] { step(-1); }));
}

void TUpDown::setAssociate(framework::TEdit* edit) {
    if (associate_ == edit) {
        return;
    }
    if (associate_ != nullptr) {
        associate_->removeEventFilter(this);
    }
    associate_ = edit;
    if (associate_ != nullptr) {
        associate_->installEventFilter(this);
        setGeometry(associate_->x() + associate_->width(), associate_->y(), width(), associate_->height());
        associate_->setText(textOf(position_));
    }
}

void TUpDown::setPosition(int position) {
    position = std::clamp(position, minimum_, maximum_);
    position_ = position;
    if (associate_ != nullptr) {
        associate_->setText(textOf(position_));
    }
}

void TUpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
}

void TUpDown::setIncrement(int increment) {
    increment_ = increment;
}

void TUpDown::setThousands(bool on) {
    thousands_ = on;
}

QString TUpDown::textOf(int position) const {
    if (thousands_) {
        return framework::toQ(model::formatGroupedInteger(position, framework::numberLocale()));
    }
    return QString::number(position);
}

int TUpDown::shownPosition() const {
    if (associate_ == nullptr) {
        return position_;
    }
    const auto typed =
        model::parseGroupedInteger(framework::fromQ(associate_->text()), framework::numberLocale());
    if (!typed) {
        return position_;
    }
    return std::clamp(*typed, minimum_, maximum_);
}

void TUpDown::step(int direction) {
    const long long next = (long long)shownPosition() + (long long)direction * increment_;
    setPosition(int(std::clamp<long long>(next, minimum_, maximum_)));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            framework::guarded([&] { step(key == Qt::Key_Up ? +1 : -1); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upHeight);
    down_->setGeometry(0, upHeight, width(), height() - upHeight);
}

} // namespace windows
