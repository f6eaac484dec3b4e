#include "windows/MainFormData.h"

#include "framework/LocaleText.h"
#include "framework/Menu.h"

#include <QMenu>
#include <QRegularExpression>
#include <QStringList>

namespace windows {

model::Coefficients MainFormData::coefficients() const {
    const QString fourth = coefficientText(4);
    return {framework::strictReal(coefficientText(1)), framework::strictReal(coefficientText(2)),
            framework::strictReal(coefficientText(3)),
            fourth.isEmpty() ? 0.0 : framework::strictReal(fourth)};
}

QString MainFormData::equationText() const {
    const auto term = [&](int slot) {
        const QString coefficient = coefficientText(slot).trimmed();
        const QString formula = plainFormula(slot);
        return coefficient.isEmpty() || coefficient == QLatin1String("1")
                   ? formula
                   : coefficient + QLatin1Char(' ') + formula;
    };
    QString text = term(1) + QStringLiteral(" + ") + term(2) + QStringLiteral(" → ") + term(3);
    if (!plainFormula(4).isEmpty()) {
        text += QStringLiteral(" + ") + term(4);
    }
    return text;
}

QString MainFormData::fileStem() const {
    static const QRegularExpression state(QStringLiteral("\\([^)]*\\)$"));
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9+-]"));
    QStringList reactants;
    for (int slot : {1, 2}) {
        reactants << plainFormula(slot).trimmed().remove(state).remove(unsafe);
    }
    return reactants.join(QLatin1Char('-'));
}

QStringList MainFormData::chartHeading(const QString& n1, const QString& n2, const QString& x) const {
    const auto quantity = [this](int slot, const QString& text) {
        return QStringLiteral("n(%1) = %2 mol").arg(plainFormula(slot), text.trimmed());
    };
    return {equationText(),
            QStringLiteral("Quantités initiales : %1 ; %2").arg(quantity(1, n1), quantity(2, n2)),
            QStringLiteral("Avancement : X = %1 mol").arg(x.trimmed())};
}

void addSituationItems(QMenu& menu, std::function<void()> open, std::function<void()> save) {
    menu.addSeparator();
    framework::addMenuItem(&menu, QStringLiteral("OuvrirSituation"), QStringLiteral("Ouvrir une situation…"),
                           std::move(open));
    framework::addMenuItem(&menu, QStringLiteral("EnregistrerSituation"),
                           QStringLiteral("Enregistrer la situation…"), std::move(save));
}

} // namespace windows
