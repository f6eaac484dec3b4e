#include "windows/TeacherFiles.h"

#include "framework/LocaleText.h"
#include "model/Balance.h"
#include "model/EquationParser.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <cmath>

namespace windows {

namespace {

using framework::fromQ;
using framework::toQ;

constexpr int formatVersion = 1;
const QString situationFormat = QStringLiteral("molvanex-situation");
const QString listFormat = QStringLiteral("molvanex-equations");
constexpr double largestQuantity = 50; // as the main window's fields take it

QString shownName(const QString& path) {
    return QStringLiteral("« %1 »").arg(QDir::toNativeSeparators(path));
}

[[noreturn]] void refuse(const QString& path, const QString& where, const QString& why) {
    const QString place = where.isEmpty() ? QString() : where + QStringLiteral(" : ");
    throw FileFormatError(QStringLiteral("Le fichier %1 ne peut pas être lu : %2%3")
                              .arg(shownName(path), place, why)
                              .toStdString());
}

// Qt's JSON reader tells its failures in English only.
QString jsonFailure(QJsonParseError::ParseError error) {
    switch (error) {
    case QJsonParseError::UnterminatedObject:
        return QStringLiteral("un objet n'est pas fermé par « } »");
    case QJsonParseError::MissingNameSeparator:
        return QStringLiteral("« : » manque après un nom de clé");
    case QJsonParseError::UnterminatedArray:
        return QStringLiteral("une liste n'est pas fermée par « ] »");
    case QJsonParseError::MissingValueSeparator:
        return QStringLiteral("une virgule manque entre deux valeurs");
    case QJsonParseError::IllegalValue:
        return QStringLiteral("valeur incorrecte");
    case QJsonParseError::TerminationByNumber:
        return QStringLiteral("le texte s'arrête au milieu d'un nombre");
    case QJsonParseError::IllegalNumber:
        return QStringLiteral("nombre incorrect");
    case QJsonParseError::IllegalEscapeSequence:
    case QJsonParseError::IllegalUTF8String:
        return QStringLiteral("caractère incorrect dans un texte");
    case QJsonParseError::UnterminatedString:
        return QStringLiteral("un texte n'est pas fermé par un guillemet");
    case QJsonParseError::MissingObject:
        return QStringLiteral("un objet « { … } » est attendu");
    case QJsonParseError::DeepNesting:
        return QStringLiteral("trop de niveaux imbriqués");
    case QJsonParseError::DocumentTooLarge:
        return QStringLiteral("fichier trop grand");
    case QJsonParseError::GarbageAtEnd:
        return QStringLiteral("du texte suit la fin des données");
    case QJsonParseError::NoError:
        break;
    }
    return QStringLiteral("contenu incorrect");
}

// The line and column, counted from 1, of a byte offset into the file.
QString placeOf(const QByteArray& json, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, json.size());
    const QByteArray before = json.left(offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = QString::fromUtf8(before.mid(lineStart)).size() + 1;
    return QStringLiteral("ligne %1, colonne %2").arg(line).arg(column);
}

// The document's top object, once it is known to be of the format asked for and of a version this
// program reads.
QJsonObject topObject(const QByteArray& json, const QString& path, const QString& format,
                      const QString& kind) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        refuse(path, placeOf(json, error.offset), jsonFailure(error.error));
    }
    const QJsonObject top = document.object();
    if (!document.isObject() || top.value(QStringLiteral("format")).toString() != format) {
        refuse(path, {},
               QStringLiteral("ce n'est pas %1 de Molvanex (la clé « format » ne vaut pas « %2 »)")
                   .arg(kind, format));
    }
    const QJsonValue version = top.value(QStringLiteral("version"));
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || number != std::floor(number)) {
        refuse(path, QStringLiteral("clé « version »"),
               QStringLiteral("un nombre entier à partir de 1 est attendu"));
    }
    if (number > formatVersion) {
        refuse(path, {},
               QStringLiteral("il a été écrit dans une version plus récente du format (version %1) ; cette "
                              "version de Molvanex lit la version %2")
                   .arg(number)
                   .arg(formatVersion));
    }
    return top;
}

QString requiredText(const QJsonObject& object, const QString& key, const QString& path,
                     const QString& where) {
    const QJsonValue value = object.value(key);
    if (!value.isString()) {
        refuse(path, where + QStringLiteral("clé « %1 »").arg(key), QStringLiteral("un texte est attendu"));
    }
    return value.toString();
}

SpeciesNames namesOf(const QJsonObject& object, const QString& path, const QString& where) {
    SpeciesNames names;
    const QJsonValue value = object.value(QStringLiteral("noms"));
    if (value.isUndefined() || value.isNull()) {
        return names;
    }
    const QJsonArray list = value.toArray();
    if (!value.isArray() || list.size() > qsizetype(names.size())) {
        refuse(path, where + QStringLiteral("clé « noms »"),
               QStringLiteral("une liste d'au plus quatre noms est attendue"));
    }
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (!list.at(i).isString()) {
            refuse(path, where + QStringLiteral("clé « noms »"), QStringLiteral("chaque nom est un texte"));
        }
        names[std::size_t(i)] = list.at(i).toString().trimmed();
    }
    return names;
}

QJsonArray namesJson(const SpeciesNames& names) {
    QJsonArray list;
    for (const QString& name : names) {
        list.append(name);
    }
    return list;
}

bool anyName(const SpeciesNames& names) {
    return std::any_of(names.begin(), names.end(), [](const QString& name) { return !name.isEmpty(); });
}

// The equation a file holds, checked as the editor checks it.
QString checkedEquation(const QJsonObject& object, const QString& path, const QString& where) {
    const QString text = requiredText(object, QStringLiteral("equation"), path, where);
    try {
        return chooseEquation(text).text;
    } catch (const FileFormatError& error) {
        refuse(path, where + QStringLiteral("clé « equation »"), QString::fromUtf8(error.what()));
    }
}

// "HCO3-(s)" as the one-line text writes a charge: "HCO3^-(s)".
QString oneLineFormula(const std::string& plain) {
    QString formula = toQ(plain);
    const qsizetype state = formula.lastIndexOf(QLatin1Char('('));
    if (state > 0 &&
        (formula.at(state - 1) == QLatin1Char('+') || formula.at(state - 1) == QLatin1Char('-'))) {
        formula.insert(state - 1, QLatin1Char('^'));
    }
    return formula;
}

} // namespace

QString presetText(int number) {
    const model::Equation& equation = model::preset(number).equation;
    const auto term = [&](std::size_t slot) {
        const model::SpeciesSlot& species = equation.slots[slot];
        const QString formula = oneLineFormula(species.formula);
        return species.coefficient == "1" ? formula : toQ(species.coefficient) + QLatin1Char(' ') + formula;
    };
    QString text = term(0) + QStringLiteral(" + ") + term(1) + QStringLiteral(" -> ") + term(2);
    if (equation.slot4Present()) {
        text += QStringLiteral(" + ") + term(3);
    }
    return text;
}

EquationChoice chooseEquation(const QString& text, const SpeciesNames& names) {
    const std::string utf8 = fromQ(text);
    const model::ParseResult parsed = model::parseEquation(utf8);
    if (!parsed.equation) {
        throw FileFormatError(parsed.error.message);
    }
    EquationChoice choice;
    choice.text = toQ(model::canonicalText(*parsed.equation));
    for (int number = 1; number <= model::presetCount; ++number) {
        const model::ParseResult preset = model::parseEquation(fromQ(presetText(number)));
        if (preset.equation && model::canonicalText(*preset.equation) == fromQ(choice.text)) {
            choice.preset = number;
            choice.record = model::preset(number).equation;
            return choice;
        }
    }
    const model::BalanceReport balance = model::checkBalance(*parsed.equation);
    if (balance.verdict == model::Verdict::Unbalanced) {
        throw FileFormatError("l'équation est " + model::verdictText(balance));
    }
    choice.record = model::toRecord(*parsed.equation);
    for (std::size_t slot = 0; slot < names.size(); ++slot) {
        if (choice.record.slots[slot].present()) {
            choice.record.slots[slot].name = fromQ(names[slot]);
        }
    }
    return choice;
}

std::vector<KeptEquation> readEquationList(const QByteArray& json, const QString& path) {
    const QJsonObject top = topObject(json, path, listFormat, QStringLiteral("une liste d'équations"));
    const QJsonValue list = top.value(QStringLiteral("equations"));
    if (!list.isArray()) {
        refuse(path, QStringLiteral("clé « equations »"), QStringLiteral("une liste est attendue"));
    }
    std::vector<KeptEquation> equations;
    const QJsonArray entries = list.toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString where = QStringLiteral("équation n° %1, ").arg(i + 1);
        if (!entries.at(i).isObject()) {
            refuse(path, QStringLiteral("équation n° %1").arg(i + 1),
                   QStringLiteral("un objet « { … } » est attendu"));
        }
        const QJsonObject entry = entries.at(i).toObject();
        KeptEquation kept;
        kept.text = checkedEquation(entry, path, where);
        const QJsonValue title = entry.value(QStringLiteral("titre"));
        if (!title.isUndefined() && !title.isString()) {
            refuse(path, where + QStringLiteral("clé « titre »"), QStringLiteral("un texte est attendu"));
        }
        kept.title = title.toString().trimmed();
        kept.names = namesOf(entry, path, where);
        equations.push_back(kept);
    }
    return equations;
}

QByteArray equationListJson(const std::vector<KeptEquation>& equations) {
    QJsonArray list;
    for (const KeptEquation& kept : equations) {
        QJsonObject entry{{QStringLiteral("equation"), kept.text}};
        if (!kept.title.isEmpty()) {
            entry.insert(QStringLiteral("titre"), kept.title);
        }
        if (anyName(kept.names)) {
            entry.insert(QStringLiteral("noms"), namesJson(kept.names));
        }
        list.append(entry);
    }
    const QJsonObject top{{QStringLiteral("format"), listFormat},
                          {QStringLiteral("version"), formatVersion},
                          {QStringLiteral("equations"), list}};
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

Situation readSituation(const QByteArray& json, const QString& path) {
    const QJsonObject top = topObject(json, path, situationFormat, QStringLiteral("une situation"));
    Situation situation;
    situation.equation = checkedEquation(top, path, {});
    situation.names = namesOf(top, path, {});

    const QJsonArray quantities = top.value(QStringLiteral("quantites")).toArray();
    const auto inRange = [](const QJsonValue& value) {
        return value.isDouble() && value.toDouble() >= 0 && value.toDouble() <= largestQuantity;
    };
    if (quantities.size() != 2 || !inRange(quantities.at(0)) || !inRange(quantities.at(1))) {
        refuse(path, QStringLiteral("clé « quantites »"),
               QStringLiteral("deux quantités initiales entre 0 et %1 mol sont attendues, par exemple [2, 1]")
                   .arg(largestQuantity));
    }
    situation.quantities = {quantities.at(0).toDouble(), quantities.at(1).toDouble()};

    const QJsonValue advancement = top.value(QStringLiteral("avancement"));
    if (!advancement.isDouble()) {
        refuse(path, QStringLiteral("clé « avancement »"),
               QStringLiteral("un nombre est attendu (X en mol)"));
    }
    situation.advancement = advancement.toDouble();
    return situation;
}

QByteArray situationJson(const Situation& situation) {
    QJsonObject top{
        {QStringLiteral("format"), situationFormat},
        {QStringLiteral("version"), formatVersion},
        {QStringLiteral("equation"), situation.equation},
        {QStringLiteral("quantites"), QJsonArray{situation.quantities[0], situation.quantities[1]}},
        {QStringLiteral("avancement"), situation.advancement}};
    if (anyName(situation.names)) {
        top.insert(QStringLiteral("noms"), namesJson(situation.names));
    }
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

QByteArray readWholeFile(const QString& path) {
    // Far more than any list or situation a teacher writes; a larger file is no file of this program.
    constexpr qint64 largestFile = 16 * 1024 * 1024;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileFormatError(QStringLiteral("Le fichier %1 n'a pas pu être ouvert : %2")
                                  .arg(shownName(path), file.errorString())
                                  .toStdString());
    }
    if (file.size() > largestFile) {
        refuse(path, {}, QStringLiteral("il est bien trop grand pour être un fichier de Molvanex"));
    }
    return file.readAll();
}

QString situationFilter() {
    return QStringLiteral("Situation Molvanex (*.%1)").arg(QString::fromLatin1(situationSuffix));
}

QString equationListFilter() {
    return QStringLiteral("Liste d'équations (*.json)");
}

} // namespace windows
