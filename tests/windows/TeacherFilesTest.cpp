// The files a teacher keeps: situations and the list of equations read back as written, and every file
// that cannot be used refused whole, with a message naming the file and the place at fault.

#include "WindowTestSupport.h"

#include "windows/EquationList.h"
#include "windows/TeacherFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace windows_tests {
namespace {

using windows::EquationList;
using windows::FileFormatError;
using windows::KeptEquation;

QString refusal(const QByteArray& json) {
    try {
        windows::readSituation(json, QStringLiteral("cours.molvanex"));
    } catch (const FileFormatError& error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

TEST(TeacherFiles, ASituationReadsBackAsWrittenAndACatalogueEquationIsKnownByItsText) {
    windows::Situation written;
    written.equation = QStringLiteral("Ag^+(aq) + Cl^-(aq) -> AgCl(s)");
    written.names = {QStringLiteral("ion argent"), QStringLiteral("ion chlorure"),
                     QStringLiteral("chlorure d'argent")};
    written.quantities = {0.2, 0.15};
    written.advancement = 0.075;
    const windows::Situation read =
        windows::readSituation(windows::situationJson(written), QStringLiteral("s"));
    EXPECT_EQ(read.equation, written.equation);
    EXPECT_EQ(read.names, written.names);
    EXPECT_EQ(read.quantities, written.quantities);
    EXPECT_EQ(read.advancement, written.advancement);

    for (int number = 1; number <= 7; ++number) {
        EXPECT_EQ(windows::chooseEquation(windows::presetText(number)).preset, number) << number;
    }
    const windows::EquationChoice arrow =
        windows::chooseEquation(QStringLiteral("2CuO(s)+C(s) → 2Cu(s)+CO2(g)"));
    EXPECT_EQ(arrow.preset, 2);
    EXPECT_EQ(arrow.text, QStringLiteral("2 CuO(s) + C(s) -> 2 Cu(s) + CO2(g)"));
}

struct Refused {
    const char* name;
    const char* json;
    const char* said; // a part of the message
};

class RefusedSituation : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedSituation, IsRefusedWithTheFileAndThePlace) {
    const QString message = refusal(QByteArray(GetParam().json));
    EXPECT_TRUE(message.startsWith(QStringLiteral("Le fichier « cours.molvanex » ne peut pas être lu")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QString::fromUtf8(GetParam().said))) << message.toStdString();
}

constexpr char good[] = R"j("equation": "C(s) + O2(g) -> CO2(g)", "quantites": [1, 1], "avancement": 0.5)j";

INSTANTIATE_TEST_SUITE_P(
    TeacherFiles, RefusedSituation,
    ::testing::Values(
        Refused{"Cut", "{\"format\": \"molvanex-situation\",\n \"version\": 1,\n \"equation\": \"C(s",
                "ligne 3, colonne"},
        Refused{"Foreign", R"j({"format": "autre", "version": 1})j", "ce n'est pas une situation"},
        Refused{"Newer", R"j({"format": "molvanex-situation", "version": 2})j", "version plus récente"},
        Refused{"Unbalanced",
                R"j({"format": "molvanex-situation", "version": 1, "equation": "H2(g) + O2(g) -> H2O(l)",
                    "quantites": [1, 1], "avancement": 0})j",
                "O : 2 à gauche, 1 à droite"},
        Refused{
            "Misspelt",
            R"j({"format": "molvanex-situation", "version": 1, "equation": "Cu0(s) + C(s) -> Cu(s) + CO(g)",
                    "quantites": [1, 1], "avancement": 0})j",
            "clé « equation »"},
        Refused{"QuantityOutOfRange",
                R"j({"format": "molvanex-situation", "version": 1, "equation": "C(s) + O2(g) -> CO2(g)",
                    "quantites": [1, 60], "avancement": 0})j",
                "clé « quantites »"},
        Refused{"NoAdvancement",
                R"j({"format": "molvanex-situation", "version": 1, "equation": "C(s) + O2(g) -> CO2(g)",
                    "quantites": [1, 1]})j",
                "clé « avancement »"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TeacherFiles, UnknownKeysAndAMissingNameListAreAccepted) {
    const QByteArray json =
        QByteArray(R"j({"format": "molvanex-situation", "version": 1, "auteur": "M. X", )j") + good + "}";
    const windows::Situation read = windows::readSituation(json, QStringLiteral("s"));
    EXPECT_EQ(read.quantities[1], 1);
    EXPECT_EQ(read.names, windows::SpeciesNames{});
}

class KeptList : public ::testing::Test {
protected:
    QString file(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& bytes) const {
        QFile out(file(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QTemporaryDir folder;
};

TEST_F(KeptList, KeepsRenamesAndRemovesAcrossRestartsAndMergesAnImportAskingBeforeReplacing) {
    EquationList list(file("equations.json"));
    list.load();
    list.keep({QStringLiteral("Ag^+(aq) + Cl^-(aq) -> AgCl(s)"), QString(), {QStringLiteral("ion argent")}});
    list.keep({QStringLiteral("2 H2(g) + O2(g) -> 2 H2O(l)"), QString(), {}});
    list.rename(0, QStringLiteral("  Précipitation "));

    EquationList restarted(file("equations.json"));
    restarted.load();
    ASSERT_EQ(restarted.equations().size(), 2u);
    EXPECT_EQ(restarted.equations()[0].listedName(), QStringLiteral("Précipitation"));
    EXPECT_EQ(restarted.equations()[0].names[0], QStringLiteral("ion argent"));
    EXPECT_EQ(restarted.equations()[1].listedName(), QStringLiteral("2 H2(g) + O2(g) -> 2 H2O(l)"));

    std::vector<KeptEquation> shared{
        {QStringLiteral("Ag^+(aq) + Cl^-(aq) -> AgCl(s)"), QStringLiteral("Test"), {}},
        {QStringLiteral("C(s) + O2(g) -> CO2(g)"), QString(), {}}};
    write("collegue.json", windows::equationListJson(shared));
    QStringList asked;
    const int taken =
        restarted.importFrom(file("collegue.json"), [&](const KeptEquation& kept, const KeptEquation&) {
            asked << kept.listedName();
            return false;
        });
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(asked, QStringList{QStringLiteral("Précipitation")});
    ASSERT_EQ(restarted.equations().size(), 3u);
    EXPECT_EQ(restarted.equations()[0].title, QStringLiteral("Précipitation")) << "kept, as answered";

    restarted.remove(1);
    EquationList again(file("equations.json"));
    again.load();
    EXPECT_EQ(again.equations().size(), 2u);
}

TEST_F(KeptList, ADamagedImportChangesNothingAndADamagedListIsMovedAsideNotWrittenOver) {
    EquationList list(file("equations.json"));
    list.keep({QStringLiteral("C(s) + O2(g) -> CO2(g)"), QString(), {}});
    write(
        "abime.json",
        R"j({"format": "molvanex-equations", "version": 1, "equations": [{"equation": "C(s) + O2(g) -> CO(g)"}]})j");
    try {
        list.importFrom(file("abime.json"), [](const KeptEquation&, const KeptEquation&) { return true; });
        ADD_FAILURE() << "a list with an unbalanced equation was imported";
    } catch (const FileFormatError& error) {
        EXPECT_TRUE(
            QString::fromUtf8(error.what()).contains(QStringLiteral("équation n° 1, clé « equation »")));
    }
    EXPECT_EQ(list.equations().size(), 1u);

    write("equations.json", "{ pas du JSON");
    EquationList damaged(file("equations.json"));
    EXPECT_THROW(damaged.load(), FileFormatError);
    EXPECT_TRUE(damaged.equations().empty());
    EXPECT_FALSE(QFile::exists(file("equations.json")));
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("equations.json.illisible-*")}).size(), 1);
}

} // namespace
} // namespace windows_tests
