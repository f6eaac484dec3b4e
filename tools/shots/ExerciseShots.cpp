// The page "Exercices" on a 1024 x 768 screen: each level, a check with its marks, the solution, the
// results of a series; and the first page with its final state masked for the class, then revealed.
#include "ScreenshotRegistry.h"

#include "app/AnswerSheet.h"
#include "app/ExercisePage.h"
#include "app/UnitMolvanex.h"
#include "controls/BevelCheck.h"
#include "controls/GlyphBtn.h"
#include "framework/TrackBar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>
#include <vector>

namespace {

const QRect screen1024(0, 0, 1024, 768);

// The window as a pupil finds it, with no teacher's list of the user's in the way.
QImage mainWindowShot(const std::function<void(app::TFiche_molvanex&)>& prepare) {
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    app::TFiche_molvanex window(nullptr, [] { return screen1024; });
    window.show();
    prepare(window);
    QImage image = shots::grabWidget(window);
    qunsetenv("XDG_DATA_HOME");
    return image;
}

void onExercises(app::TFiche_molvanex& window, int level) {
    window.PageControl1->setCurrentWidget(window.TabExercices);
    window.TabExercices->Niveau->setCurrentIndex(level - 1);
}

void type(app::TFiche_molvanex& window, const char* field, const QString& text) {
    window.findChild<QLineEdit*>(QString::fromLatin1(field))->setText(text);
}

struct Levels {
    Levels() {
        for (int level = 1; level <= model::levelCount; ++level) {
            registrars.emplace_back(QStringLiteral("exercises-level%1").arg(level), [level] {
                return mainWindowShot([level](app::TFiche_molvanex& w) { onExercises(w, level); });
            });
        }
    }
    std::vector<shots::Registrar> registrars;
};
const Levels levels;

// Series 1, level 2, first exercise: xmax right, one final quantity wrong, one left empty.
const shots::Registrar checked(QStringLiteral("exercises-level2-checked"), [] {
    return mainWindowShot([](app::TFiche_molvanex& w) {
        onExercises(w, 2);
        const model::Exercise& exercise = w.TabExercices->session().exercise();
        type(w, "Xmax", QString::fromStdString(exercise.fields[0].expected));
        type(w, "Finale1", QStringLiteral("12"));
        type(w, "Finale3", QString::fromStdString(exercise.fields[3].expected));
        w.TabExercices->BtnVerifier->click();
    });
});

const shots::Registrar limitingReactantChecked(QStringLiteral("exercises-level1-wrong"), [] {
    return mainWindowShot([](app::TFiche_molvanex& w) {
        onExercises(w, 1);
        w.findChild<QComboBox*>(QStringLiteral("ReactifLimitant"))->setCurrentIndex(3);
        type(w, "Xmax", QStringLiteral("3,5 mol"));
        w.TabExercices->BtnVerifier->click();
    });
});

const shots::Registrar solution(QStringLiteral("exercises-level3-solution"), [] {
    return mainWindowShot([](app::TFiche_molvanex& w) {
        onExercises(w, 3);
        w.TabExercices->BtnSolution->click();
    });
});

const shots::Registrar results(QStringLiteral("exercises-results"), [] {
    return mainWindowShot([](app::TFiche_molvanex& w) {
        onExercises(w, 2);
        for (int i = 0; i < model::exercisesPerSeries; ++i) {
            if (i % 2 == 0) {
                const model::Exercise& exercise = w.TabExercices->session().exercise();
                const std::vector<QWidget*> fields = w.TabExercices->Reponses->tabOrder();
                for (std::size_t f = 0; f < fields.size(); ++f) {
                    static_cast<QLineEdit*>(fields[f])->setText(
                        QString::fromStdString(exercise.fields[f].expected));
                }
                w.TabExercices->BtnVerifier->click();
            } else {
                w.TabExercices->BtnSolution->click();
            }
            w.TabExercices->BtnSuivant->click();
        }
    });
});

// The class predicts the final state of the copper oxide at 60 % of the way, then sees it.
void maskedOnReaction(app::TFiche_molvanex& w) {
    w.BevelCheck2->setChecked(true);
    w.TabExercices->MasquerEtatFinal->setChecked(true);
    w.BarEvolution->setPosition(60);
}

const shots::Registrar hidden(QStringLiteral("main-window-final-state-hidden"),
                              [] { return mainWindowShot(maskedOnReaction); });
const shots::Registrar revealed(QStringLiteral("main-window-final-state-revealed"), [] {
    return mainWindowShot([](app::TFiche_molvanex& w) {
        maskedOnReaction(w);
        w.BtnReveler->click();
    });
});

} // namespace
