#pragma once
// The user's number locale taken from QLocale() at the time of use, and the passage of text between
// the model (UTF-8 std::string) and Qt (QString).

#include "model/NumberLocale.h"

#include <QString>

#include <string>
#include <string_view>

namespace framework {

model::NumberLocale numberLocale();

inline QString toQ(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
inline std::string fromQ(const QString& text) {
    return text.toStdString();
}

// The model's formats and conversions in the current locale, on QStrings.
QString textF3(double value);
QString textG15(double value);
QString textMark(double value);
double strictReal(const QString& text); // ConversionError when the text is no number
int strictInteger(const QString& text); // ConversionError when the text is no integer
double lenientReal(const QString& text, double fallback);

} // namespace framework
