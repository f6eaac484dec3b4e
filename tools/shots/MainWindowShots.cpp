#include "ScreenshotRegistry.h"

#include "app/UnitMolvanex.h"

namespace {

const shots::Registrar mainAtStart(QStringLiteral("main-window-start"), [] {
    app::TFiche_molvanex window;
    return shots::grabWidget(window);
});

} // namespace
