// Arbitrary bytes as the line a teacher types into the equation editor or a situation file holds. An
// equation read back from its canonical text is the same equation, and its record and balance can be
// made; a refusal marks a span inside the text, on character boundaries when the text is UTF-8, with
// a message that is itself UTF-8.

#include "model/Balance.h"
#include "model/EquationParser.h"
#include "model/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool isUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const model::CodePoint c = model::decodeAt(text, at);
        if (!c.valid) {
            return false;
        }
        at += c.length;
    }
    return true;
}

bool onBoundary(std::string_view text, std::size_t offset) {
    std::size_t at = 0;
    while (at < offset) {
        at += model::decodeAt(text, at).length;
    }
    return at == offset;
}

void equationHolds(const model::ChemicalEquation& equation) {
    check(equation.products.size() == 1 || equation.products.size() == 2);
    const std::string canonical = model::canonicalText(equation);
    const model::ParseResult again = model::parseEquation(canonical);
    check(again.equation.has_value() && *again.equation == equation);
    check(model::canonicalText(*again.equation) == canonical);

    const model::Equation record = model::toRecord(equation);
    check(record.slots[2].present() && record.slot4Present() == (equation.products.size() == 2));
    for (const model::SpeciesSlot& slot : record.slots) {
        check(slot.markup == slot.zoomMarkup && slot.name.empty());
    }

    const model::BalanceReport report = model::checkBalance(equation);
    check((report.verdict == model::Verdict::Unbalanced) == !report.imbalances.empty());
    check(report.commonFactor >= 1 && report.commonFactor <= model::maxCoefficient);
    check(isUtf8(model::verdictText(report)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const model::ParseResult result = model::parseEquation(text);
    if (result.equation) {
        equationHolds(*result.equation);
        return 0;
    }
    const model::SyntaxError& error = result.error;
    check(error.begin <= error.end && error.end <= text.size());
    check(!error.message.empty() && isUtf8(error.message));
    if (isUtf8(text)) {
        check(onBoundary(text, error.begin) && onBoundary(text, error.end));
        check(model::utf16Offset(text, error.begin) <= model::utf16Offset(text, error.end));
    }
    return 0;
}
