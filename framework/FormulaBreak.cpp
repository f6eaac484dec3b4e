#include "framework/FormulaBreak.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace framework {

qsizetype formulaBreak(const QString& formula) {
    struct Place {
        qsizetype index;
        qsizetype shownBefore;
        bool afterLetter;
    };
    std::vector<Place> places;
    qsizetype shown = 0;
    int depth = 0; // inside <sub> or <sup>
    QChar previous;
    for (qsizetype i = 0; i < formula.size(); ++i) {
        if (formula.at(i) == QLatin1Char('<')) {
            const qsizetype end = formula.indexOf(QLatin1Char('>'), i);
            if (end < 0) {
                break;
            }
            const QString tag = formula.mid(i + 1, end - i - 1).toLower();
            depth += tag.startsWith(QLatin1String("su")) ? 1 : tag.startsWith(QLatin1String("/su")) ? -1 : 0;
            i = end;
            continue;
        }
        const QChar c = formula.at(i);
        if (i > 0 && depth == 0 && (c.isUpper() || c == QLatin1Char('(') || c == QLatin1Char('['))) {
            places.push_back({i, shown, previous.isLetter()});
        }
        previous = c;
        ++shown;
    }
    const bool betterPlaces =
        std::any_of(places.begin(), places.end(), [](const Place& p) { return !p.afterLetter; });
    const Place* best = nullptr;
    for (const Place& place : places) {
        if (betterPlaces && place.afterLetter) {
            continue;
        }
        if (best == nullptr ||
            std::abs(2 * place.shownBefore - shown) < std::abs(2 * best->shownBefore - shown)) {
            best = &place;
        }
    }
    return best == nullptr ? -1 : best->index;
}

QString brokenFormula(const QString& markup) {
    const qsizetype at = formulaBreak(markup);
    return at < 0 ? markup : markup.left(at) + QStringLiteral("<BR>") + markup.mid(at);
}

} // namespace framework
