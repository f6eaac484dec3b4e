#pragma once
// Texts a pupil (or a cat on the keyboard) might type or paste into a field: numbers in both decimal
// separators, signs alone, exponents beyond the range of a double, words the number parsers know
// ("nan", "inf"), grouped numbers, markup fragments, characters outside the basic plane, and texts
// far longer than any field expects.

#include "Dice.h"

#include <QString>

namespace monkey {

// A short text, typed key by key.
QString typedGarbage(Dice& dice);
// A text for the clipboard: anything typedGarbage gives, several lines, or a very long text.
QString pastedGarbage(Dice& dice);

} // namespace monkey
