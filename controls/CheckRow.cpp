#include "controls/CheckRow.h"

#include "controls/BevelCheck.h"
#include "framework/ErrorGuard.h"

#include <QKeyEvent>

#include <algorithm>

namespace controls {

CheckRow::CheckRow(std::vector<TBevelCheck*> boxes, QObject* parent)
    : QObject(parent)
    , boxes_(std::move(boxes)) {
    for (TBevelCheck* box : boxes_) {
        box->installEventFilter(this);
        connect(box, &TBevelCheck::stateChanged, this,
                [this] { framework::guarded([this] { placeTabStop(); }); });
    }
    placeTabStop();
}

// While a box of the row has the focus it is the row's only stop, so that Tab and Shift+Tab both leave
// the row from it; once the focus has left, the stop goes back to the checked box.
TBevelCheck* CheckRow::tabStop() const {
    const auto focused =
        std::find_if(boxes_.begin(), boxes_.end(), [](TBevelCheck* b) { return b->hasFocus(); });
    if (focused != boxes_.end()) {
        return *focused;
    }
    const auto checked =
        std::find_if(boxes_.begin(), boxes_.end(), [](TBevelCheck* b) { return b->isChecked(); });
    return checked != boxes_.end() ? *checked : boxes_.front();
}

void CheckRow::placeTabStop() {
    const TBevelCheck* stop = tabStop();
    for (TBevelCheck* box : boxes_) {
        box->setTabStop(box == stop);
    }
}

bool CheckRow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        framework::guarded([this] { placeTabStop(); });
    }
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const auto at = std::find(boxes_.begin(), boxes_.end(), watched);
    const bool moves =
        key->modifiers() == Qt::NoModifier && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
                                               key->key() == Qt::Key_Home || key->key() == Qt::Key_End);
    if (at == boxes_.end() || !moves) {
        return QObject::eventFilter(watched, event);
    }
    framework::guarded([&] { moveFocus(std::size_t(at - boxes_.begin()), key->key()); });
    return true;
}

// The arrows stop at the ends of the row, as the reading order does.
void CheckRow::moveFocus(std::size_t from, int key) {
    const std::size_t last = boxes_.size() - 1;
    std::size_t to = from;
    switch (key) {
    case Qt::Key_Left:
        to = from == 0 ? 0 : from - 1;
        break;
    case Qt::Key_Right:
        to = std::min(from + 1, last);
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    default:
        to = last;
        break;
    }
    boxes_[to]->setFocus(Qt::OtherFocusReason);
}

} // namespace controls
