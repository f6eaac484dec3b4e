#pragma once
// Answering a modal dialog from a test: the dialog runs its own event loop, so the answer is given from
// inside that loop, as soon as a dialog of the expected kind and name has become the active modal
// window.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace testing_support {

// Calls answer(dialog) once the active modal window is a visible T named name.
template <class T> void whenModal(const QString& name, std::function<void(T*)> answer) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, name, answer = std::move(answer)] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog->objectName() != name || !dialog->isVisible()) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        answer(dialog);
    });
    timer->start();
}

} // namespace testing_support
