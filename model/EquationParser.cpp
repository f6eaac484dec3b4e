#include "model/EquationParser.h"

#include "model/Elements.h"
#include "model/NumberFormat.h"
#include "model/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace model {

namespace {

// What stops the reading: the span at fault and what to tell about it.
struct Refusal {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::string detail;
    bool located = true; // false: the detail says all, no place to name
};

constexpr std::string_view example = "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)";
constexpr std::string_view arrows = "« -> », « → » ou « = »";
const NumberLocale french{",", "\u202F"}; // messages are French whatever the locale
constexpr std::size_t quoteLimit = 24;    // characters of the text a message quotes

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isCapital(char c) {
    return c >= 'A' && c <= 'Z';
}
bool isSmall(char c) {
    return c >= 'a' && c <= 'z';
}
char capital(char c) {
    return char(c - 'a' + 'A');
}
char small(char c) {
    return char(c - 'A' + 'a');
}
bool isElement(std::string_view symbol) {
    return atomicNumber(symbol) != 0;
}
std::optional<PhysicalState> stateWritten(std::string_view letters) {
    for (const PhysicalState state : physicalStates) {
        if (stateLetters(state) == letters) {
            return state;
        }
    }
    return std::nullopt;
}

class Reader {
public:
    explicit Reader(std::string_view text)
        : text_(text) {}

    ChemicalEquation equation() {
        skipBlanks();
        if (atEnd()) {
            throw Refusal{at_, at_, "Équation vide : écrire par exemple « " + std::string(example) + " »",
                          false};
        }
        ChemicalEquation result;
        const std::vector<Species> reactants =
            side("troisième réactif : le tableau d'avancement n'a que deux colonnes de réactifs ; écrire "
                 "exactement deux réactifs");
        if (arrowLength() == 0) {
            refuseHere(atEnd() ? "flèche " + std::string(arrows) + " attendue après les réactifs"
                               : "« + » ou flèche " + std::string(arrows) + " attendu");
        }
        if (reactants.size() < 2) {
            refuse(at_, at_ + arrowLength(),
                   "un seul réactif avant la flèche : le tableau d'avancement a deux colonnes de réactifs ; "
                   "écrire exactement deux réactifs");
        }
        std::copy(reactants.begin(), reactants.end(), result.reactants.begin());
        at_ += arrowLength();
        skipBlanks();
        if (atEnd()) {
            refuseHere("produit attendu après la flèche");
        }
        result.products = side("troisième produit : le tableau d'avancement n'a que deux colonnes de "
                               "produits ; écrire un ou deux produits");
        skipBlanks();
        if (arrowLength() != 0) {
            refuse(at_, at_ + arrowLength(), "une seule flèche par équation");
        }
        if (!atEnd()) {
            refuseHere("« + » ou fin de l'équation attendu");
        }
        return result;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t formulaStart_ = 0;
    std::size_t pieceStart_ = 0; // the symbol, or the group's opening bracket, whose count is being read

    bool atEnd() const { return at_ >= text_.size(); }
    char peek(std::size_t ahead = 0) const { return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0'; }
    std::size_t characterLength() const { return atEnd() ? 0 : decodeAt(text_, at_).length; }

    std::size_t blankLength(std::size_t at) const {
        for (const std::string_view blank : {" ", "\t", "\u00A0", "\u202F"}) {
            if (text_.substr(at, blank.size()) == blank) {
                return blank.size();
            }
        }
        return 0;
    }
    std::size_t afterBlanks(std::size_t at) const {
        while (at < text_.size() && blankLength(at) != 0) {
            at += blankLength(at);
        }
        return at;
    }
    void skipBlanks() { at_ = afterBlanks(at_); }

    std::size_t arrowLength() const {
        for (const std::string_view arrow : {"->", "→", "="}) {
            if (text_.substr(at_, arrow.size()) == arrow) {
                return arrow.size();
            }
        }
        return 0;
    }

    // « text », its end kept when it is long: the end is what lies next to the fault.
    std::string quoted(std::string_view part) const {
        std::string text(part);
        std::size_t characters = characterOffset(part, part.size());
        std::size_t cut = 0;
        while (characters > quoteLimit) {
            cut += decodeAt(part, cut).length;
            --characters;
        }
        return "« " + (cut > 0 ? "…" + text.substr(cut) : text) + " »";
    }
    std::string quoted(std::size_t begin, std::size_t end) const {
        return quoted(text_.substr(begin, end - begin));
    }

    std::string foundHere() const {
        const CodePoint c = decodeAt(text_, at_);
        if (!c.valid) {
            return "un octet qui n'est pas du texte UTF-8";
        }
        if (blankLength(at_) != 0) {
            return "une espace";
        }
        if (c.value < 0x20 || c.value == 0x7F || (c.value >= 0x80 && c.value < 0xA0)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", unsigned(c.value));
            return "le caractère de commande " + std::string(code);
        }
        return quoted(at_, at_ + c.length);
    }

    [[noreturn]] void refuse(std::size_t begin, std::size_t end, std::string detail) const {
        throw Refusal{begin, std::min(end, text_.size()), std::move(detail)};
    }
    // Marks the character where something else was expected, and names it.
    [[noreturn]] void refuseHere(const std::string& expected) const {
        refuse(at_, at_ + characterLength(), atEnd() ? expected : expected + ", pas " + foundHere());
    }

    std::vector<Species> side(const std::string& third) {
        std::vector<Species> list;
        for (;;) {
            const std::size_t start = at_;
            list.push_back(species());
            if (list.size() == 3) {
                refuse(start, at_, third);
            }
            skipBlanks();
            if (peek() != '+') {
                return list;
            }
            ++at_;
            skipBlanks();
            if (atEnd() || arrowLength() != 0) {
                refuseHere("espèce chimique attendue après « + »");
            }
        }
    }

    Species species() {
        Species s;
        s.coefficient = coefficient();
        skipBlanks();
        formulaStart_ = at_;
        s.formula = formula();
        const std::size_t formulaEnd = at_;
        std::size_t writtenEnd = formulaEnd;
        if (!atomCounts(s.formula)) {
            refuse(formulaStart_, formulaEnd,
                   "formule trop grande : au plus " + formatGroupedInteger(maxAtoms, french) +
                       " atomes d'un même élément");
        }
        skipBlanks();
        if (peek() == '^') {
            s.charge = charge();
            writtenEnd = at_;
            skipBlanks();
        } else if (peek() == '+' || (peek() == '-' && peek(1) != '>')) {
            refuseSignWithoutCaret(formulaEnd);
        }
        if (peek() != '(' || !isSmall(peek(1))) {
            refuseHere("état (s), (l), (g) ou (aq) attendu après " + quoted(formulaStart_, writtenEnd));
        }
        s.state = state();
        const std::size_t next = afterBlanks(at_);
        if (next < text_.size() && text_[next] == '^') {
            refuse(next, next + 1, "la charge s'écrit avant l'état, par exemple « Cu^2+(aq) »");
        }
        return s;
    }

    int coefficient() {
        if (!isDigit(peek())) {
            return 1;
        }
        const std::size_t start = at_;
        const int value = digits(maxCoefficient);
        if (text_[start] == '0') {
            // "02(g)" or "0H^-": the digit zero typed for the letter O.
            if (at_ - start > 1 || isCapital(peek()) || isSmall(peek())) {
                refuseZeroDigit(start, start);
            }
            refuse(start, at_,
                   "coefficient 0 refusé : un coefficient va de 1 à " + std::to_string(maxCoefficient));
        }
        if (value > maxCoefficient) {
            refuse(start, at_,
                   "coefficient " + quoted(start, at_) + " trop grand : un coefficient va de 1 à " +
                       std::to_string(maxCoefficient));
        }
        return value;
    }

    // Reads a run of digits; a value above limit is returned as limit + 1, however long the run.
    int digits(int limit) {
        int value = 0;
        while (isDigit(peek())) {
            value = std::min(value * 10 + (peek() - '0'), limit + 1);
            ++at_;
        }
        return value;
    }

    std::vector<FormulaPart> formula() {
        std::vector<FormulaPart> parts;
        std::vector<std::size_t> opens; // where each group still open began
        for (;;) {
            const char c = peek();
            if (isCapital(c)) {
                element(parts);
            } else if (isSmall(c)) {
                refuseSmallLetter();
            } else if (c == '[' || (c == '(' && !isSmall(peek(1)))) {
                if (opens.size() == std::size_t(maxNesting)) {
                    refuse(at_, at_ + 1,
                           "trop de groupes imbriqués : au plus " + std::to_string(maxNesting) +
                               " niveaux de parenthèses");
                }
                opens.push_back(at_);
                parts.push_back({FormulaPart::Kind::Open, {}, 1, c});
                ++at_;
            } else if (c == ')' || c == ']') {
                if (opens.empty()) {
                    refuse(at_, at_ + 1, quoted(at_, at_ + 1) + " sans parenthèse ouvrante");
                }
                const char open = text_[opens.back()];
                if (c != closingBracket(open)) {
                    refuseHere(unclosed(opens.back()));
                }
                if (parts.back().kind == FormulaPart::Kind::Open) {
                    refuse(opens.back(), at_ + 1, "formule attendue entre les parenthèses");
                }
                pieceStart_ = opens.back();
                ++at_;
                const int multiplier = count();
                parts.push_back({FormulaPart::Kind::Close, {}, multiplier, open});
                opens.pop_back();
            } else {
                break;
            }
        }
        if (!opens.empty()) {
            refuseHere(unclosed(opens.back()));
        }
        if (parts.empty()) {
            refuseHere("formule chimique attendue (par exemple « CuO »)");
        }
        return parts;
    }

    std::string unclosed(std::size_t open) const {
        return "« " + std::string(1, closingBracket(text_[open])) + " » attendu pour fermer « " +
               text_[open] + " » du caractère " + std::to_string(characterOffset(text_, open) + 1);
    }

    void element(std::vector<FormulaPart>& parts) {
        const std::size_t start = at_;
        ++at_;
        if (isSmall(peek())) {
            ++at_;
        }
        const std::string_view symbol = text_.substr(start, at_ - start);
        if (!isElement(symbol)) {
            refuseUnknownElement(start, parts);
        }
        pieceStart_ = start;
        const int atoms = count();
        parts.push_back({FormulaPart::Kind::Element, std::string(symbol), atoms, '('});
    }

    int count() {
        if (!isDigit(peek())) {
            return 1;
        }
        const std::size_t start = at_;
        if (peek() == '0') {
            refuseZeroDigit(start, pieceStart_);
        }
        const int value = digits(maxCount);
        if (value > maxCount) {
            refuse(start, at_,
                   "nombre " + quoted(start, at_) + " trop grand : au plus " + std::to_string(maxCount));
        }
        return value;
    }

    int charge() {
        const std::size_t caret = at_++;
        int size = 1;
        const bool sizeWritten = isDigit(peek());
        if (sizeWritten) {
            if (peek() == '0' || isDigit(peek(1))) {
                std::size_t end = at_;
                while (end < text_.size() && isDigit(text_[end])) {
                    ++end;
                }
                refuse(at_, end,
                       "charge de 1 à " + std::to_string(maxCharge) + " attendue, par exemple « ^2+ »");
            }
            size = peek() - '0';
            ++at_;
        }
        if (peek() != '+' && peek() != '-') {
            refuseHere(sizeWritten ? "signe + ou - attendu après " + quoted(caret, at_)
                                   : "charge attendue après « ^ », par exemple « ^2+ », « ^+ » ou « ^3- »");
        }
        const char sign = peek();
        ++at_;
        if (!sizeWritten && isDigit(peek())) {
            refuse(caret, at_ + 1,
                   "le chiffre de la charge s'écrit avant le signe : « ^" + std::string(1, peek()) + sign +
                       " »");
        }
        return sign == '+' ? size : -size;
    }

    PhysicalState state() {
        const std::size_t open = at_++;
        while (isSmall(peek())) {
            ++at_;
        }
        const std::optional<PhysicalState> state = stateWritten(text_.substr(open + 1, at_ - open - 1));
        if (!state) {
            const std::size_t end = peek() == ')' ? at_ + 1 : at_;
            refuse(open, end,
                   quoted(open, end) +
                       " n'est pas un état : (s), (l), (g) ou (aq) attendu ; un symbole d'élément commence "
                       "par une majuscule");
        }
        if (peek() != ')') {
            refuseHere("« ) » attendu pour fermer l'état " + quoted(open, at_));
        }
        ++at_;
        return *state;
    }

    [[noreturn]] void refuseSignWithoutCaret(std::size_t formulaEnd) const {
        const std::size_t next = afterBlanks(at_ + 1);
        if (next + 1 >= text_.size() || text_[next] != '(' || !isSmall(text_[next + 1])) {
            refuseHere("état (s), (l), (g) ou (aq) attendu après " + quoted(formulaStart_, formulaEnd));
        }
        // "Ca2+(aq)": the 2 may be the calcium's count or the charge's size, so show both readings.
        const std::string formula(text_.substr(formulaStart_, formulaEnd - formulaStart_));
        const char sign = peek();
        std::string forms = quoted(formula + "^" + sign);
        const char last = formula.back();
        if (isDigit(last) && last != '0') {
            forms = quoted(formula.substr(0, formula.size() - 1) + "^" + last + sign) + " ou " + forms;
        }
        refuse(at_, at_ + 1, "une charge s'écrit après « ^ » : " + forms);
    }

    // The digit zero where the letter O was meant: "Cu0", "C02", "02(g)".
    [[noreturn]] void refuseZeroDigit(std::size_t zero, std::size_t wordStart) const {
        std::size_t wordEnd = zero + 1;
        while (wordEnd < text_.size() &&
               (isDigit(text_[wordEnd]) || isCapital(text_[wordEnd]) || isSmall(text_[wordEnd]))) {
            ++wordEnd;
        }
        std::string mended(text_.substr(wordStart, wordEnd - wordStart));
        mended[zero - wordStart] = 'O';
        refuse(zero, zero + 1,
               quoted(wordStart, wordEnd) +
                   " : « 0 » est le chiffre zéro ; pour l'oxygène, écrire la lettre O : " + quoted(mended));
    }

    // "CL" for "Cl", "ZN" for "Zn": a capital where the symbol's small letter was meant.
    [[noreturn]] void refuseUnknownElement(std::size_t start, const std::vector<FormulaPart>& parts) const {
        const std::string symbol(text_.substr(start, at_ - start));
        if (symbol.size() == 1) {
            const bool afterBareCapital = !parts.empty() && parts.back().kind == FormulaPart::Kind::Element &&
                                          parts.back().symbol.size() == 1 && start > formulaStart_ &&
                                          text_[start - 1] == parts.back().symbol[0];
            if (afterBareCapital) {
                const std::string guess = parts.back().symbol + small(symbol[0]);
                if (isElement(guess)) {
                    refuse(start - 1, at_,
                           quoted(symbol) + " n'est pas un élément : vouliez-vous dire " + quoted(guess) +
                               " au lieu de " + quoted(start - 1, at_) + " ?");
                }
            }
            if (isCapital(peek())) {
                const std::string guess = symbol + small(peek());
                if (isElement(guess)) {
                    refuse(start, at_ + 1,
                           quoted(symbol) + " n'est pas un élément : vouliez-vous dire " + quoted(guess) +
                               " au lieu de " + quoted(start, at_ + 1) + " ?");
                }
            }
        }
        refuse(start, at_, quoted(symbol) + " n'est pas un symbole d'élément");
    }

    // "cu", "h2o": a symbol begun with a small letter.
    [[noreturn]] void refuseSmallLetter() const {
        const std::string first(1, capital(peek()));
        const char second = peek(1);
        const bool pair = isSmall(second) || isCapital(second);
        std::vector<std::string> guesses;
        if (pair) {
            const char secondSmall = isCapital(second) ? small(second) : second;
            const char secondCapital = isSmall(second) ? capital(second) : second;
            if (isElement(first + secondSmall)) {
                guesses.push_back(first + secondSmall);
            }
            if (isElement(first) && isElement(std::string(1, secondCapital))) {
                guesses.push_back(first + secondCapital);
            }
        }
        if (guesses.empty() && isElement(first)) {
            guesses.push_back(first);
        }
        std::string detail = "un symbole d'élément commence par une majuscule";
        for (std::size_t i = 0; i < guesses.size(); ++i) {
            detail += (i == 0 ? " : vouliez-vous dire " : " ou ") + quoted(guesses[i]);
        }
        refuse(at_, at_ + (pair ? 2 : 1), guesses.empty() ? detail : detail + " ?");
    }
};

} // namespace

ParseResult parseEquation(std::string_view text) {
    try {
        return {Reader(text).equation(), {}};
    } catch (const Refusal& refusal) {
        std::string message = refusal.detail;
        if (refusal.located) {
            message =
                (refusal.begin >= text.size()
                     ? "En fin d'équation : "
                     : "Caractère " + std::to_string(characterOffset(text, refusal.begin) + 1) + " : ") +
                message;
        }
        return {std::nullopt, {std::move(message), refusal.begin, refusal.end}};
    }
}

} // namespace model
