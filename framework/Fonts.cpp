#include "framework/Fonts.h"

#include <QFont>
#include <QString>

namespace framework {

void installFontSubstitutions() {
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("System"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Symbol"), QStringLiteral("DejaVu Sans"));
}

} // namespace framework
