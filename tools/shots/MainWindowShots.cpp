// The main window as the class sees it on a 1024 x 738 work area: at start, and in the states a lesson
// goes through.
#include "ScreenshotRegistry.h"

#include "app/UnitMolvanex.h"
#include "controls/BevelCheck.h"
#include "framework/TrackBar.h"

#include <functional>

namespace {

const QRect lessonWorkArea(0, 0, 1024, 738);

QImage mainWindowAt(int preset, int position) {
    app::TFiche_molvanex window(nullptr, [] { return lessonWorkArea; });
    if (preset != 1) {
        const std::array<controls::TBevelCheck*, 7> boxes{
            window.BevelCheck1, window.BevelCheck2, window.BevelCheck3, window.BevelCheck4,
            window.BevelCheck5, window.BevelCheck6, window.BevelCheck7};
        boxes[std::size_t(preset - 1)]->setChecked(true);
    }
    window.BarEvolution->setPosition(position);
    return shots::grabWidget(window);
}

const shots::Registrar atStart(QStringLiteral("main-window-start"), [] { return mainWindowAt(1, 0); });
const shots::Registrar copperOxideHalfway(QStringLiteral("main-window-preset2-50"),
                                          [] { return mainWindowAt(2, 50); });
const shots::Registrar copperOxideFinal(QStringLiteral("main-window-preset2-100"),
                                        [] { return mainWindowAt(2, 100); });
const shots::Registrar hydrogencarbonate(QStringLiteral("main-window-preset7-30"),
                                         [] { return mainWindowAt(7, 30); });

} // namespace
