#include "framework/StaticText.h"

#include "framework/ErrorGuard.h"

#include <QEvent>

namespace framework {

TStaticText::TStaticText(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

TStaticText::TStaticText(const QString& caption, QWidget* parent)
    : TStaticText(parent) {
    setCaption(caption);
}

void TStaticText::setCaption(const QString& caption) {
    if (caption == text()) {
        return;
    }
    setText(caption);
    setAccessibleName(caption);
    if (autoSize_ && !wordWrap()) {
        adjustSize();
    }
}

void TStaticText::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize_ && !wordWrap()) {
        adjustSize();
    }
}

void TStaticText::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    // A sized text follows its font as it follows its caption.
    guarded([&] {
        if (event->type() == QEvent::FontChange && autoSize_ && !wordWrap()) {
            adjustSize();
        }
    });
}

} // namespace framework
