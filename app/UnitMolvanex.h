#pragma once
// The main window, Fiche_molvanex.

#include <QWidget>

namespace app {

class TFiche_molvanex : public QWidget {
    Q_OBJECT
public:
    explicit TFiche_molvanex(QWidget* parent = nullptr);
};

} // namespace app
