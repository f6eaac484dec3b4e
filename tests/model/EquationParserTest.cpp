#include "model/EquationParser.h"
#include "model/Balance.h"
#include "model/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Accepted {
    const char* name;
    const char* text;
    const char* canonical;
    const char* verdict;
};

class AcceptedEquation : public ::testing::TestWithParam<Accepted> {};

TEST_P(AcceptedEquation, ReadsChecksAndComesBackFromItsCanonicalText) {
    const Accepted& c = GetParam();
    const model::ParseResult result = model::parseEquation(c.text);
    ASSERT_TRUE(result.equation) << result.error.message;
    EXPECT_EQ(model::canonicalText(*result.equation), c.canonical);
    EXPECT_EQ(model::verdictText(model::checkBalance(*result.equation)), c.verdict);
    const model::ParseResult again = model::parseEquation(c.canonical);
    ASSERT_TRUE(again.equation);
    EXPECT_EQ(*again.equation, *result.equation);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AcceptedEquation,
    ::testing::Values(
        Accepted{"Arrow", "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)", "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)",
                 "équilibrée"},
        Accepted{"UnicodeArrowAndTightBlanks", "2CuO(s)+C(s)→2Cu(s)+CO2(g)",
                 "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)", "équilibrée"},
        Accepted{"EqualsSignAndWideBlanks", " \t2  CuO (s)\u00A0+\u202FC(s)  =  2 Cu(s) + CO2(g) ",
                 "2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)", "équilibrée"},
        Accepted{"SingleCharges", "Ag^+(aq) + Cl^-(aq) -> AgCl(s)", "Ag^+(aq) + Cl^-(aq) -> AgCl(s)",
                 "équilibrée"},
        Accepted{"ChargesWithSize", "Ca^2+(aq) + CO3^2- (aq) -> CaCO3(s)",
                 "Ca^2+(aq) + CO3^2-(aq) -> CaCO3(s)", "équilibrée"},
        Accepted{"ChargeOfOneWritten", "Ag^1+(aq) + Cl^1-(aq) -> AgCl1(s)", "Ag^+(aq) + Cl^-(aq) -> AgCl(s)",
                 "équilibrée"},
        Accepted{"Group", "Ca(OH)2(aq) + CO2(g) -> CaCO3(s) + H2O(l)",
                 "Ca(OH)2(aq) + CO2(g) -> CaCO3(s) + H2O(l)", "équilibrée"},
        Accepted{"NestedGroups", "K4[Fe(CN)6](aq) + 2 Cu^2+(aq) -> Cu2[Fe(CN)6](s) + 4 K^+(aq)",
                 "K4[Fe(CN)6](aq) + 2 Cu^2+(aq) -> Cu2[Fe(CN)6](s) + 4 K^+(aq)", "équilibrée"},
        Accepted{"LargestCounts", "99 (((C999)999)1)1(s) + C(s) -> C(s)",
                 "99 (((C999)999))(s) + C(s) -> C(s)", "non équilibrée : C : 98802100 à gauche, 1 à droite"},
        Accepted{"UnbalancedElements", "HCO3^-(s) + CH3COOH(aq) -> CO2(g) + CH3COO^-(aq)",
                 "HCO3^-(s) + CH3COOH(aq) -> CO2(g) + CH3COO^-(aq)",
                 "non équilibrée : H : 5 à gauche, 3 à droite ; O : 5 à gauche, 4 à droite"},
        Accepted{"UnbalancedCharge", "Cu^2+(aq) + Fe(s) -> Cu(s) + Fe^3+(aq)",
                 "Cu^2+(aq) + Fe(s) -> Cu(s) + Fe^3+(aq)",
                 "non équilibrée : charge : +2 à gauche, +3 à droite"},
        Accepted{"ElementOnOneSide", "Fe(s) + O2(g) -> FeO(s)", "Fe(s) + O2(g) -> FeO(s)",
                 "non équilibrée : O : 2 à gauche, 1 à droite"},
        Accepted{"NegativeCharges", "2 HO^-(aq) + SO4^2-(aq) -> H2O(l) + SO3(g)",
                 "2 HO^-(aq) + SO4^2-(aq) -> H2O(l) + SO3(g)",
                 "non équilibrée : O : 6 à gauche, 4 à droite ; charge : -4 à gauche, 0 à droite"},
        Accepted{"NotSimplified", "4 H2(g) + 2 O2(g) -> 4 H2O(l)", "4 H2(g) + 2 O2(g) -> 4 H2O(l)",
                 "équilibrée mais non simplifiée"},
        Accepted{"EveryState", "H2(g) + Cl2(aq) -> 2 HCl(l)", "H2(g) + Cl2(aq) -> 2 HCl(l)", "équilibrée"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    std::string text;
    std::string message;
    std::size_t begin;
    std::size_t end;
};

class RefusedEquation : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedEquation, SaysWhatWasExpectedAndMarksWhere) {
    const Refused& c = GetParam();
    const model::ParseResult result = model::parseEquation(c.text);
    ASSERT_FALSE(result.equation);
    EXPECT_EQ(result.error.message, c.message);
    EXPECT_EQ(result.error.begin, c.begin);
    EXPECT_EQ(result.error.end, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusedEquation,
    ::testing::Values(
        Refused{"Empty", "  ", "Équation vide : écrire par exemple « 2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g) »",
                2, 2},
        Refused{"DigitZeroForLetterO", "2 Cu0(s) + C(s) -> 2 Cu(s) + CO2(g)",
                "Caractère 5 : « Cu0 » : « 0 » est le chiffre zéro ; pour l'oxygène, écrire la lettre O : « "
                "CuO »",
                4, 5},
        Refused{
            "DigitZeroAsCoefficient", "C(s) + 02(g) -> CO2(g)",
            "Caractère 8 : « 02 » : « 0 » est le chiffre zéro ; pour l'oxygène, écrire la lettre O : « O2 »",
            7, 8},
        Refused{"CapitalForSmallLetter", "Na(s) + CL2(g) -> NaCl(s)",
                "Caractère 9 : « L » n'est pas un élément : vouliez-vous dire « Cl » au lieu de « CL » ?", 8,
                10},
        Refused{"CapitalBeforeSmallLetter", "ZN(s) + S(s) -> ZnS(s)",
                "Caractère 1 : « Z » n'est pas un élément : vouliez-vous dire « Zn » au lieu de « ZN » ?", 0,
                2},
        Refused{"UnknownElement", "Xx(s) + C(s) -> C(s)",
                "Caractère 1 : « Xx » n'est pas un symbole d'élément", 0, 2},
        Refused{"SmallLetter", "C(s) + cO(g) -> C(s)",
                "Caractère 8 : un symbole d'élément commence par une majuscule : vouliez-vous dire « Co » ou "
                "« CO » ?",
                7, 9},
        Refused{"ThreeReactants", "C(s) + O2(g) + H2(g) -> CO2(g)",
                "Caractère 16 : troisième réactif : le tableau d'avancement n'a que deux colonnes de "
                "réactifs ; écrire "
                "exactement deux réactifs",
                15, 20},
        Refused{"ThreeProducts", "C(s) + O2(g) -> C(s) + O(g) + 2 O(g)",
                "Caractère 31 : troisième produit : le tableau d'avancement n'a que deux colonnes de "
                "produits ; écrire "
                "un ou deux produits",
                30, 36},
        Refused{"OneReactant", "C(s) → CO2(g)",
                "Caractère 6 : un seul réactif avant la flèche : le tableau d'avancement a deux colonnes de "
                "réactifs ; "
                "écrire exactement deux réactifs",
                5, 8},
        Refused{"CoefficientZero", "0 C(s) + O2(g) -> CO2(g)",
                "Caractère 1 : coefficient 0 refusé : un coefficient va de 1 à 99", 0, 1},
        Refused{"CoefficientHundred", "C(s) + 100 O2(g) -> CO2(g)",
                "Caractère 8 : coefficient « 100 » trop grand : un coefficient va de 1 à 99", 7, 10},
        Refused{"CountTooLarge", "C1000(s) + C(s) -> C(s)",
                "Caractère 2 : nombre « 1000 » trop grand : au plus 999", 1, 5},
        Refused{"TooManyAtoms", "(((C999)999)999)(s) + C(s) -> C(s)",
                "Caractère 1 : formule trop grande : au plus 999\u202F999 atomes d'un même élément", 0, 16},
        Refused{"MissingState", "C + O2 -> CO2",
                "Caractère 3 : état (s), (l), (g) ou (aq) attendu après « C », pas « + »", 2, 3},
        Refused{"MissingStateAtEnd", "C(s) + O2(g) -> CO2^2-",
                "En fin d'équation : état (s), (l), (g) ou (aq) attendu après « CO2^2- »", 22, 22},
        Refused{
            "NotAState", "Ca(oh)2(aq) + C(s) -> C(s)",
            "Caractère 3 : « (oh) » n'est pas un état : (s), (l), (g) ou (aq) attendu ; un symbole d'élément "
            "commence par une majuscule",
            2, 6},
        Refused{"SignWithoutCaret", "Ca2+(aq) + CO3^2-(aq) -> CaCO3(s)",
                "Caractère 4 : une charge s'écrit après « ^ » : « Ca^2+ » ou « Ca2^+ »", 3, 4},
        Refused{"DigitAfterSign", "Cu^+2(aq) + Fe(s) -> Cu(s)",
                "Caractère 3 : le chiffre de la charge s'écrit avant le signe : « ^2+ »", 2, 5},
        Refused{"ChargeTooLarge", "Cu^10+(aq) + Fe(s) -> Cu(s)",
                "Caractère 4 : charge de 1 à 9 attendue, par exemple « ^2+ »", 3, 5},
        Refused{"ChargeAfterState", "Cu(aq)^2+ + Fe(s) -> Cu(s)",
                "Caractère 7 : la charge s'écrit avant l'état, par exemple « Cu^2+(aq) »", 6, 7},
        Refused{"UnclosedGroup", "Ca(OH(aq) + C(s) -> C(s)",
                "Caractère 6 : « ) » attendu pour fermer « ( » du caractère 3, pas « ( »", 5, 6},
        Refused{"MismatchedBracket", "K4[Fe(CN)6)(aq) + C(s) -> C(s)",
                "Caractère 11 : « ] » attendu pour fermer « [ » du caractère 3, pas « ) »", 10, 11},
        Refused{"EmptyGroup", "C()(s) + C(s) -> C(s)", "Caractère 2 : formule attendue entre les parenthèses",
                1, 3},
        Refused{"DeepNesting", std::string(100000, '(') + "C",
                "Caractère 5 : trop de groupes imbriqués : au plus 4 niveaux de parenthèses", 4, 5},
        Refused{"NoArrow", "C(s) + O2(g)",
                "En fin d'équation : flèche « -> », « → » ou « = » attendue après les réactifs", 12, 12},
        Refused{"TwoArrows", "C(s) + O2(g) → CO2(g) -> C(s)", "Caractère 23 : une seule flèche par équation",
                24, 26},
        Refused{"NoProduct", "C(s) + O2(g) →  ", "En fin d'équation : produit attendu après la flèche", 18,
                18},
        Refused{"StrayCharacter", "C(s) + O² -> C(s)",
                "Caractère 9 : état (s), (l), (g) ou (aq) attendu après « O », pas « ² »", 8, 10},
        Refused{"ControlCharacter", "C(s) + O2(g)\x01",
                "Caractère 13 : « + » ou flèche « -> », « → » ou « = » attendu, pas le caractère de commande "
                "U+0001",
                12, 13},
        Refused{"NotUtf8", "C(s) + \xff",
                "Caractère 8 : formule chimique attendue (par exemple « CuO »), pas un octet qui n'est pas "
                "du texte "
                "UTF-8",
                7, 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorPosition, MapsToTheEditorsUtf16Index) {
    // "→" is three bytes and one UTF-16 unit; "𝐂" (U+1D402) four bytes and two units.
    const std::string text = "C(s) + C(s) → 𝐂(s)";
    const model::ParseResult result = model::parseEquation(text);
    ASSERT_FALSE(result.equation);
    EXPECT_EQ(result.error.begin, 16u);
    EXPECT_EQ(result.error.end, 20u);
    EXPECT_EQ(model::utf16Offset(text, result.error.begin), 14u);
    EXPECT_EQ(model::utf16Offset(text, result.error.end), 16u);
    EXPECT_EQ(model::characterOffset(text, result.error.end), 15u);
    EXPECT_EQ(result.error.message,
              "Caractère 15 : formule chimique attendue (par exemple « CuO »), pas « 𝐂 »");
}

TEST(Balance, ListsEachImbalanceWithItsCounts) {
    const model::BalanceReport report =
        model::checkBalance(*model::parseEquation("2 Fe^2+(aq) + Cl2(g) -> 2 Fe^3+(aq) + Cl^-(aq)").equation);
    EXPECT_EQ(report.verdict, model::Verdict::Unbalanced);
    EXPECT_EQ(report.imbalances, (std::vector<model::Imbalance>{{"Cl", 2, 1}, {"", 4, 5}}));
    EXPECT_EQ(report.commonFactor, 1);
    const model::BalanceReport doubled =
        model::checkBalance(*model::parseEquation("6 Fe(s) + 4 O2(g) -> 2 Fe3O4(s)").equation);
    EXPECT_EQ(doubled.verdict, model::Verdict::BalancedNotSimplified);
    EXPECT_EQ(doubled.commonFactor, 2);
}

} // namespace
