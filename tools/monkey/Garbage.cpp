#include "Garbage.h"

#include <QStringList>

namespace monkey {

namespace {

const QStringList& pieces() {
    static const QStringList list{
        QString(),
        QStringLiteral("-"),
        QStringLiteral("+"),
        QStringLiteral(","),
        QStringLiteral("."),
        QStringLiteral("-,"),
        QStringLiteral("+."),
        QStringLiteral("0"),
        QStringLiteral("-0"),
        QStringLiteral("00000"),
        QStringLiteral("1"),
        QStringLiteral("2,5"),
        QStringLiteral("2.5"),
        QStringLiteral("0,1"),
        QStringLiteral("-5"),
        QStringLiteral("49,9"),
        QStringLiteral("50"),
        QStringLiteral("50,0001"),
        QStringLiteral("1000"),
        QStringLiteral("1 000"),
        QStringLiteral("1\u00a0000"),
        QStringLiteral("1\u202f000"),
        QStringLiteral("1e308"),
        QStringLiteral("1e309"),
        QStringLiteral("1e400"),
        QStringLiteral("-1e400"),
        QStringLiteral("1e-400"),
        QStringLiteral("4,9e-324"),
        QStringLiteral("1,7976931348623157e308"),
        QStringLiteral("2,5e3"),
        QStringLiteral("e"),
        QStringLiteral("E5"),
        QStringLiteral("nan"),
        QStringLiteral("NaN"),
        QStringLiteral("inf"),
        QStringLiteral("-inf"),
        QStringLiteral("infinity"),
        QStringLiteral("0x10"),
        QStringLiteral("2147483647"),
        QStringLiteral("2147483648"),
        QStringLiteral("-2147483649"),
        QStringLiteral("9223372036854775808"),
        QStringLiteral("99999999999999999999999999999999"),
        QStringLiteral("0,000000000000000000001"),
        QStringLiteral("1,2,3"),
        QStringLiteral("1..2"),
        QStringLiteral("   "),
        QStringLiteral(" 5 "),
        QStringLiteral("abc"),
        QStringLiteral("mol"),
        QStringLiteral("é"),
        QStringLiteral("µ"),
        QStringLiteral("\u200b"),
        QStringLiteral("\u202e12"),
        QStringLiteral("\U0001F600"),
        QStringLiteral("\U0001D7D9"),
        QStringLiteral("%s%n%d"),
        QStringLiteral("\\"),
        QStringLiteral("'"),
        QStringLiteral("\""),
        QStringLiteral("<sub>2</sub>"),
        QStringLiteral("<sup>-</sup>"),
        QStringLiteral("CO<sub>2</sub>(g)"),
        QStringLiteral("<FONT color=\"#004080\">"),
        QStringLiteral("<FONT color=\"#zzzzzz\">x</font>"),
        QStringLiteral("<font color="),
        QStringLiteral("</font></font></sub>"),
        QStringLiteral("<sub><sup><sub><sup>"),
        QStringLiteral("<b><i><u>"),
        QStringLiteral("<"),
        QStringLiteral(">"),
        QStringLiteral("&amp;"),
        QStringLiteral("&#x10FFFF;"),
        QStringLiteral("&"),
    };
    return list;
}

QChar randomCharacter(Dice& dice) {
    static const QString keyboard = QStringLiteral("0123456789,.-+eE azAZéèàçù<>/=\"#&;()[]%*!?_\u00a0\t");
    return keyboard[static_cast<qsizetype>(dice.below(static_cast<std::size_t>(keyboard.size())))];
}

} // namespace

QString typedGarbage(Dice& dice) {
    QString text;
    const int parts = dice.between(1, 3);
    for (int i = 0; i < parts; ++i) {
        if (dice.chance(0.75)) {
            text += pieces()[static_cast<qsizetype>(dice.below(static_cast<std::size_t>(pieces().size())))];
        } else {
            const int length = dice.between(1, 12);
            for (int k = 0; k < length; ++k) {
                text += randomCharacter(dice);
            }
        }
    }
    return text.left(48);
}

QString pastedGarbage(Dice& dice) {
    switch (dice.below(5)) {
    case 0: { // several lines
        QStringList lines;
        const int count = dice.between(2, 6);
        for (int i = 0; i < count; ++i) {
            lines << typedGarbage(dice);
        }
        return lines.join(dice.chance(0.5) ? QStringLiteral("\n") : QStringLiteral("\r\n"));
    }
    case 1: { // very long: digits, or a piece repeated
        const int length = dice.between(65, 20000);
        if (dice.chance(0.5)) {
            return QString(length, QLatin1Char('9'));
        }
        const QString piece = typedGarbage(dice);
        QString text;
        while (text.size() < length && !piece.isEmpty()) {
            text += piece;
        }
        return text;
    }
    default:
        return typedGarbage(dice);
    }
}

} // namespace monkey
