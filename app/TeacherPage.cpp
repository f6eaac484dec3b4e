#include "app/TeacherPage.h"

#include "app/MainLayout.h"
#include "app/MainWindowSupport.h"
#include "controls/GlyphBtn.h"
#include "framework/ErrorGuard.h"
#include "framework/FileOpening.h"
#include "framework/FileSaving.h"
#include "framework/Question.h"
#include "framework/StaticText.h"
#include "windows/EquationList.h"

#include <QIODevice>
#include <QInputDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>

namespace app {

using namespace support;

namespace {

constexpr int margin = 24;
constexpr int listWidth = 430;
constexpr int listHeight = 300;
constexpr int commandLeft = margin + listWidth + 16;
constexpr int commandWidth = 170;
constexpr int commandHeight = 23;
constexpr int commandGap = 6;
constexpr int titleTop = 16;
constexpr int listTop = 40;
constexpr int situationTop = listTop + listHeight + 24;

framework::TStaticText* title(QWidget* parent, const char* name, const QString& text, int top) {
    auto* label = new framework::TStaticText(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(fontOf({"MS Sans Serif", 13, true}));
    setColors(label, framework::clNavy, layout::windowColor);
    label->setCaption(text);
    label->move(margin, top);
    return label;
}

framework::TStaticText* explanation(QWidget* parent, const QString& text, int top) {
    auto* label = new framework::TStaticText(parent);
    label->setFont(fontOf(layout::windowFont));
    setColors(label, framework::clBlack, layout::windowColor);
    label->setAutoSize(false);
    label->setWordWrap(true);
    label->setGeometry(margin, top, listWidth + 16 + commandWidth, 30);
    label->setCaption(text);
    return label;
}

bool confirmed(QWidget* parent, const char* name, const QString& question, const QString& yes) {
    return framework::confirmed(parent, {.title = QStringLiteral("Mes équations"),
                                         .text = question,
                                         .objectName = QString::fromLatin1(name),
                                         .yes = yes,
                                         .no = QStringLiteral("&Non")});
}

} // namespace

TeacherPage::TeacherPage(windows::EquationList& list, QWidget* parent)
    : QWidget(parent)
    , list_(list) {
    setObjectName(QStringLiteral("TabEquations"));
    setAccessibleName(QStringLiteral("Mes équations"));
    setAutoFillBackground(true);
    setColors(this, framework::clBlack, layout::windowColor);

    title(this, "TitreEquations", QStringLiteral("Équations enregistrées"), titleTop);
    ListeEquations = new QListWidget(this);
    ListeEquations->setObjectName(QStringLiteral("ListeEquations"));
    ListeEquations->setAccessibleName(QStringLiteral("Équations enregistrées"));
    ListeEquations->setGeometry(margin, listTop, listWidth, listHeight);
    ListeEquations->setFont(fontOf({"MS Sans Serif", 13}));
    ListeEquations->installEventFilter(this);

    int row = 0;
    const auto command = [&](const char* name, const QString& caption, int left, int top) {
        auto* button = new controls::TGlyphButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setCaption(caption);
        button->setAccessibleName(caption);
        button->setColor(layout::windowColor);
        button->setGeometry(left, top, commandWidth, commandHeight);
        return button;
    };
    const auto nextCommand = [&](const char* name, const QString& caption, bool groupStart = false) {
        const int top = listTop + row * (commandHeight + commandGap) + (groupStart ? commandHeight : 0);
        ++row;
        if (groupStart) {
            ++row;
        }
        return command(name, caption, commandLeft, top);
    };
    BtnUtiliser = nextCommand("BtnUtiliser", QStringLiteral("Utiliser"));
    BtnRenommer = nextCommand("BtnRenommer", QStringLiteral("Renommer…"));
    BtnSupprimer = nextCommand("BtnSupprimer", QStringLiteral("Supprimer"));
    BtnNouvelleEquation = nextCommand("BtnNouvelleEquation", QStringLiteral("Nouvelle équation…"), true);
    BtnImporter = nextCommand("BtnImporter", QStringLiteral("Importer…"), true);
    BtnExporter = nextCommand("BtnExporter", QStringLiteral("Exporter…"));

    title(this, "TitreSituations", QStringLiteral("Situations"), situationTop);
    explanation(
        this,
        QStringLiteral("Une situation garde l'équation, les deux quantités initiales et l'avancement X, "
                       "pour préparer une leçon ou un devoir."),
        situationTop + 22);
    BtnOuvrirSituation =
        command("BtnOuvrirSituation", QStringLiteral("Ouvrir une situation…"), margin, situationTop + 56);
    BtnEnregistrerSituation = command("BtnEnregistrerSituation", QStringLiteral("Enregistrer la situation…"),
                                      margin + commandWidth + 12, situationTop + 56);

    BtnUtiliser->OnClick = [this](QObject*) { useChosen(); };
    BtnRenommer->OnClick = [this](QObject*) { renameChosen(); };
    BtnSupprimer->OnClick = [this](QObject*) { removeChosen(); };
    BtnNouvelleEquation->OnClick = [this](QObject*) {
        if (OnNewEquation) {
            OnNewEquation();
        }
    };
    BtnImporter->OnClick = [this](QObject*) { importList(); };
    BtnExporter->OnClick = [this](QObject*) { exportList(); };
    BtnOuvrirSituation->OnClick = [this](QObject*) {
        if (OnOpenSituation) {
            OnOpenSituation();
        }
    };
    BtnEnregistrerSituation->OnClick = [this](QObject*) {
        if (OnSaveSituation) {
            OnSaveSituation();
        }
    };
    connect(ListeEquations, &QListWidget::itemActivated, this, framework::guard([this] { useChosen(); }));
    connect(ListeEquations, &QListWidget::currentRowChanged, this,
            framework::guard([this] { updateCommands(); }));

    refresh();
}

std::vector<QWidget*> TeacherPage::tabOrder() const {
    return {ListeEquations, BtnUtiliser, BtnRenommer,        BtnSupprimer,           BtnNouvelleEquation,
            BtnImporter,    BtnExporter, BtnOuvrirSituation, BtnEnregistrerSituation};
}

void TeacherPage::refresh() {
    const int current = ListeEquations->currentRow();
    ListeEquations->clear();
    for (const windows::KeptEquation& kept : list_.equations()) {
        // A named equation shows its name and its text.
        auto* item = new QListWidgetItem(
            kept.title.isEmpty() ? kept.text : QStringLiteral("%1 — %2").arg(kept.title, kept.text),
            ListeEquations);
        item->setToolTip(kept.text);
    }
    if (ListeEquations->count() > 0) {
        ListeEquations->setCurrentRow(std::clamp(current, 0, ListeEquations->count() - 1));
    }
    updateCommands();
}

int TeacherPage::chosen() const {
    const int row = ListeEquations->currentRow();
    return row >= 0 && row < int(list_.equations().size()) ? row : -1;
}

void TeacherPage::updateCommands() {
    const bool any = chosen() >= 0;
    for (controls::TGlyphButton* button : {BtnUtiliser, BtnRenommer, BtnSupprimer}) {
        button->setEnabled(any);
    }
    BtnExporter->setEnabled(!list_.equations().empty());
}

void TeacherPage::useChosen() {
    const int index = chosen();
    if (index >= 0 && OnUse) {
        OnUse(list_.equations()[std::size_t(index)]);
    }
}

void TeacherPage::renameChosen() {
    const int index = chosen();
    if (index < 0) {
        return;
    }
    const windows::KeptEquation& kept = list_.equations()[std::size_t(index)];
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("RenameEquation"));
    dialog.setWindowTitle(QStringLiteral("Renommer l'équation"));
    dialog.setLabelText(
        QStringLiteral("Nom de « %1 » dans la liste (vide : l'équation elle-même) :").arg(kept.text));
    dialog.setTextValue(kept.title);
    dialog.setOkButtonText(QStringLiteral("Renommer"));
    dialog.setCancelButtonText(QStringLiteral("Annuler"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    list_.rename(index, dialog.textValue());
    refresh();
}

void TeacherPage::removeChosen() {
    const int index = chosen();
    if (index < 0 || !confirmed(this, "RemoveEquation",
                                QStringLiteral("Supprimer « %1 » de la liste des équations ?")
                                    .arg(list_.equations()[std::size_t(index)].listedName()),
                                QStringLiteral("&Supprimer"))) {
        return;
    }
    list_.remove(index);
    refresh();
}

void TeacherPage::importList() {
    const QString path = framework::openFileName(this, QStringLiteral("Importer une liste d'équations"),
                                                 {windows::equationListFilter()});
    if (path.isEmpty()) {
        return;
    }
    const int taken = list_.importFrom(
        path, [this](const windows::KeptEquation& kept, const windows::KeptEquation& imported) {
            return confirmed(this, "ReplaceImportedEquation",
                             QStringLiteral("L'équation « %1 » est déjà dans la liste sous le nom « %2 ». La "
                                            "remplacer par celle du fichier, « %3 » ?")
                                 .arg(kept.text, kept.listedName(), imported.listedName()),
                             QStringLiteral("&Remplacer"));
        });
    refresh();
    QMessageBox done(QMessageBox::Information, QStringLiteral("Mes équations"),
                     taken == 0   ? QStringLiteral("Aucune équation n'a été ajoutée.")
                     : taken == 1 ? QStringLiteral("Une équation a été ajoutée ou remplacée.")
                                  : QStringLiteral("%1 équations ont été ajoutées ou remplacées.").arg(taken),
                     QMessageBox::Ok, this);
    done.setObjectName(QStringLiteral("ImportDone"));
    done.exec();
}

void TeacherPage::exportList() {
    const QByteArray json = list_.exported();
    framework::saveFileAs(this, QStringLiteral("Exporter la liste des équations"),
                          QStringLiteral("equations-molvanex.json"), {windows::equationListFilter()},
                          [&](QIODevice& file, const QString&) { file.write(json); });
}

// The list answers the keys a list of documents answers: Delete removes, F2 renames.
bool TeacherPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListeEquations && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_F2) {
            framework::guarded([&] { key == Qt::Key_Delete ? removeChosen() : renameChosen(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace app
