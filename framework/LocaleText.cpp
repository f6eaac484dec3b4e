#include "framework/LocaleText.h"

#include "model/Conversion.h"
#include "model/NumberFormat.h"

#include <QLocale>

namespace framework {

model::NumberLocale numberLocale() {
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QString textF3(double value) {
    return toQ(model::formatF3(value, numberLocale()));
}
QString textG15(double value) {
    return toQ(model::formatGeneral(value, numberLocale()));
}
QString textMark(double value) {
    return toQ(model::formatMark(value, numberLocale()));
}

double strictReal(const QString& text) {
    return model::toReal(fromQ(text), numberLocale());
}
int strictInteger(const QString& text) {
    return model::toInteger(fromQ(text));
}
double lenientReal(const QString& text, double fallback) {
    return model::toRealOr(fromQ(text), numberLocale(), fallback);
}

} // namespace framework
