#pragma once
// How the main window opens the secondary windows: each is created with its opener as owner, stored
// in the global form reference named after it while it is shown, shown modally, and released once its
// modal loop has ended. Nothing outlives one opening and no result is used.

#include "windows/MainFormData.h"
#include "windows/UniteNewEquation.h"

class QWidget;

namespace windows {

void showZoomWindow(MainFormData& main, QWidget* owner);                    // FicheZoom
void showMeasurementTable(MainFormData& main, QWidget* owner);              // FicheTab
void showNewEquationEditor(QWidget* owner, EquationEditorLinks links = {}); // FicheNouvelleEquation
void showAboutBox(QWidget* owner);                                          // AboutBox

} // namespace windows
