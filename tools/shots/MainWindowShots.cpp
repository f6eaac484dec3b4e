// The main window as the class sees it on a 1024 x 738 work area: at start, and in the states a lesson
// goes through.
#include "ScreenshotRegistry.h"

#include "app/UnitMolvanex.h"
#include "controls/BevelCheck.h"
#include "controls/FlatButtons.h"
#include "controls/FloatSpinEdit.h"
#include "framework/Shape.h"
#include "framework/TrackBar.h"

#include <QApplication>
#include <QKeyEvent>

#include <functional>
#include <utility>
#include <vector>

namespace {

const QRect lessonWorkArea(0, 0, 1024, 738);
const QRect fullHdWorkArea(0, 0, 1920, 1080);
// The user guide's pictures: the window at its design size, which the guide shows at its own size.
const QRect designWorkArea(0, 0, 788, 545);

QImage mainWindowAt(int preset, int position, const QRect& workArea = lessonWorkArea,
                    const QString& firstQuantity = {}) {
    app::TFiche_molvanex window(nullptr, [workArea] { return workArea; });
    if (preset != 1) {
        const std::array<controls::TBevelCheck*, 7> boxes{
            window.BevelCheck1, window.BevelCheck2, window.BevelCheck3, window.BevelCheck4,
            window.BevelCheck5, window.BevelCheck6, window.BevelCheck7};
        boxes[std::size_t(preset - 1)]->setChecked(true);
    }
    if (!firstQuantity.isEmpty()) {
        window.MaskEdit11i->setText(firstQuantity);
    }
    window.BarEvolution->setPosition(position);
    return shots::grabWidget(window);
}

// The focus mark the keyboard shows: Tab (then an arrow) onto a box of the row, or onto a flat button.
QImage mainWindowWithKeyboardOn(const std::function<QWidget*(app::TFiche_molvanex&)>& control) {
    app::TFiche_molvanex window(nullptr, [] { return lessonWorkArea; });
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QApplication::processEvents();
    control(window)->setFocus(Qt::TabFocusReason);
    return shots::grabWidget(window);
}

const shots::Registrar keyboardOnRow(QStringLiteral("main-window-keyboard-row"), [] {
    return mainWindowWithKeyboardOn([](app::TFiche_molvanex& w) -> QWidget* { return w.BevelCheck2; });
});
// On the state table the mark frames the current cell: here the final row's second column.
const shots::Registrar keyboardOnTable(QStringLiteral("main-window-keyboard-table"), [] {
    return mainWindowWithKeyboardOn([](app::TFiche_molvanex& w) -> QWidget* {
        w.Shape1->setFocus(Qt::TabFocusReason);
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(w.Shape1, &press);
            QApplication::sendEvent(w.Shape1, &release);
        }
        return w.Shape1;
    });
});
const shots::Registrar keyboardOnQuit(QStringLiteral("main-window-keyboard-quit"), [] {
    return mainWindowWithKeyboardOn([](app::TFiche_molvanex& w) -> QWidget* { return w.FlatButton1; });
});

const shots::Registrar atStart(QStringLiteral("main-window-start"), [] { return mainWindowAt(1, 0); });
const shots::Registrar copperOxideHalfway(QStringLiteral("main-window-preset2-50"),
                                          [] { return mainWindowAt(2, 50); });
const shots::Registrar copperOxideFinal(QStringLiteral("main-window-preset2-100"),
                                        [] { return mainWindowAt(2, 100); });
const shots::Registrar guideStart(QStringLiteral("guide-main-window-start"),
                                  [] { return mainWindowAt(1, 0, designWorkArea); });
const shots::Registrar guideHalfway(QStringLiteral("guide-main-window-preset2-50"),
                                    [] { return mainWindowAt(2, 50, designWorkArea); });
const shots::Registrar guideFinal(QStringLiteral("guide-main-window-preset2-100"),
                                  [] { return mainWindowAt(2, 100, designWorkArea); });
const shots::Registrar hydrogencarbonate(QStringLiteral("main-window-preset7-30"),
                                         [] { return mainWindowAt(7, 30); });

// The tallest bar reaches the top of the plot: its mark must stay whole, at both work areas.
struct TallBars {
    TallBars() {
        for (const QString& quantity : {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("50")}) {
            for (const auto& [area, size] : {std::pair{lessonWorkArea, 1024}, {fullHdWorkArea, 1920}}) {
                registrars.emplace_back(
                    QStringLiteral("main-window-preset2-%1mol-%2").arg(quantity).arg(size),
                    [quantity, area = area] { return mainWindowAt(2, 0, area, quantity); });
            }
        }
    }
    std::vector<shots::Registrar> registrars;
};
const TallBars tallBars;

} // namespace
