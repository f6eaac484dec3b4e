#include "app/AnswerSheet.h"

#include "app/MainLayout.h"
#include "app/MainWindowSupport.h"
#include "controls/MarkupImageList.h" // complete before the label header, whose QPointer needs it
#include "controls/markuplabel.h"
#include "framework/Edit.h"
#include "framework/ErrorGuard.h"
#include "framework/LocaleText.h"
#include "framework/QtColor.h"
#include "model/Advancement.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>

namespace app {

using namespace support;

namespace {

using framework::toQ;

constexpr layout::FontSpec answerFont{"MS Sans Serif", 13};
constexpr layout::FontSpec givenFont{"MS Sans Serif", 13, true};
constexpr layout::FontSpec markFont{"MS Sans Serif", 11, true};
constexpr int formFieldWidth = 220;
constexpr int tableFieldWidth = 90;
constexpr int cellMargin = 6;
constexpr int titleColumnWidth = 150;

// The item a choice list starts on, which is no answer.
const QString noChoice = QStringLiteral("(choisissez)");

struct LookColors {
    framework::TColor field;
    framework::TColor markText;
    framework::TColor markBackground;
};
constexpr LookColors rightColors{framework::rgb(214, 245, 214), framework::clWhite, framework::clGreen};
constexpr LookColors wrongColors{framework::rgb(255, 218, 218), framework::clWhite,
                                 framework::rgb(176, 0, 0)};
constexpr LookColors noAnswerColors{framework::rgb(255, 240, 200), framework::clBlack,
                                    framework::rgb(255, 214, 120)};
constexpr LookColors solutionColors{framework::clWhite, framework::clWhite, framework::clNavy};

// Where a field goes in the tableau: its row and its column (0 the row titles, 1 X, then the species).
enum Row { Initial = 1, During, Final };

Row rowOf(const model::Field& field) {
    switch (field.role) {
    case model::FieldRole::Expression:
        return During;
    case model::FieldRole::InitialQuantity:
        return Initial;
    default:
        return Final;
    }
}

int columnOf(const model::Field& field) {
    return field.role == model::FieldRole::MaximalAdvancement ? 1 : 1 + field.slot;
}

QString objectNameOf(const model::Field& field) {
    switch (field.role) {
    case model::FieldRole::LimitingReactant:
        return QStringLiteral("ReactifLimitant");
    case model::FieldRole::MaximalAdvancement:
        return QStringLiteral("Xmax");
    case model::FieldRole::Expression:
        return QStringLiteral("Expression%1").arg(field.slot);
    case model::FieldRole::FinalQuantity:
        return QStringLiteral("Finale%1").arg(field.slot);
    case model::FieldRole::InitialQuantity:
        break;
    }
    return QStringLiteral("Initiale%1").arg(field.slot);
}

QLabel* text(QWidget* parent, const QString& caption, const layout::FontSpec& font, framework::TColor color,
             framework::TColor background) {
    auto* label = new QLabel(caption, parent);
    label->setFont(fontOf(font));
    setColors(label, color, background);
    return label;
}

// A cell of the tableau: teal, its borders the white of the grid showing between the cells.
QWidget* cell(QWidget* grid) {
    auto* box = new QWidget(grid);
    box->setAutoFillBackground(true);
    setColors(box, layout::tableTextColor, layout::tableColor);
    auto* lines = new QVBoxLayout(box);
    lines->setContentsMargins(cellMargin, cellMargin, cellMargin, cellMargin);
    lines->setSpacing(3);
    return box;
}

// What the statement gives, written in its cell.
QWidget* givenCell(QWidget* grid, const QString& value, const QString& spoken) {
    QWidget* box = cell(grid);
    QLabel* label = text(box, value, givenFont, layout::tableTextColor, layout::tableColor);
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(spoken);
    box->layout()->addWidget(label);
    return box;
}

int coefficientOf(const model::SpeciesSlot& slot) {
    return slot.present() ? framework::strictInteger(toQ(slot.coefficient)) : 0;
}

} // namespace

AnswerSheet::AnswerSheet(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Reponses"));
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
}

void AnswerSheet::setExercise(const model::Exercise& exercise, model::Level level) {
    dropFields();
    answers_.clear();
    exercise_ = exercise;
    content_ = new QWidget(this);
    layout()->addWidget(content_);
    for (const model::Field& field : exercise_.fields) {
        answers_.push_back({&field});
    }
    if (level == model::Level::LimitingReactant) {
        buildForm(content_);
    } else {
        buildTable(content_, level);
    }
    // Shown now rather than at the layout's next pass, so that the fields take the focus at once.
    content_->show();
}

// A click into a field ends the typing of a series number, which draws a new series while the click is
// still being delivered to that field: the old fields leave the page, their names and their links now,
// and are deleted once the event is over.
void AnswerSheet::dropFields() {
    if (content_ == nullptr) {
        return;
    }
    layout()->removeWidget(content_);
    content_->hide();
    for (QObject* child : content_->findChildren<QObject*>()) {
        child->setObjectName(QString());
        child->disconnect(this);
        child->removeEventFilter(this);
    }
    content_->deleteLater();
    content_ = nullptr;
}

QWidget* AnswerSheet::answerBox(QWidget* parent, std::size_t index, bool markBeside) {
    Answer& answer = answers_[index];
    const model::Field& field = *answer.field;
    auto* box = new QWidget(parent);
    QBoxLayout* lines = markBeside ? static_cast<QBoxLayout*>(new QHBoxLayout(box)) : new QVBoxLayout(box);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(markBeside ? 10 : 3);

    QWidget* input = nullptr;
    if (field.kind() == model::AnswerKind::Choice) {
        answer.list = new QComboBox(box);
        answer.list->addItem(noChoice);
        for (const std::string& choice : field.choices) {
            answer.list->addItem(toQ(choice));
        }
        connect(answer.list, &QComboBox::activated, this,
                framework::guard([this, index] { mark(answers_[index], Look::None, {}, {}); }));
        answer.list->installEventFilter(this);
        input = answer.list;
    } else {
        answer.edit = new QLineEdit(box);
        answer.edit->setMaxLength(framework::longestFieldText);
        answer.edit->setPlaceholderText(
            field.kind() == model::AnswerKind::Expression ? QStringLiteral("… X") : QStringLiteral("mol"));
        connect(answer.edit, &QLineEdit::textEdited, this,
                framework::guard([this, index] { mark(answers_[index], Look::None, {}, {}); }));
        connect(answer.edit, &QLineEdit::returnPressed, this, framework::guard([this] {
                    if (OnEnter) {
                        OnEnter();
                    }
                }));
        input = answer.edit;
    }
    input->setObjectName(objectNameOf(field));
    input->setAccessibleName(toQ(field.name));
    input->setFont(fontOf(answerFont));
    // A short answer in a short field; in the tableau, a field fills its cell.
    if (markBeside) {
        input->setFixedWidth(formFieldWidth);
    } else {
        input->setMinimumWidth(tableFieldWidth);
    }
    lines->addWidget(input);

    answer.mark = new QLabel(box);
    answer.mark->setObjectName(objectNameOf(field) + QStringLiteral("Marque"));
    answer.mark->setFont(fontOf(markFont));
    answer.mark->setWordWrap(true);
    answer.mark->setMargin(2);
    answer.mark->hide();
    lines->addWidget(answer.mark);
    if (markBeside) {
        lines->addStretch(1); // the mark as wide as its words, the field in its place while it is hidden
    }
    return box;
}

// The limiting reactant and xmax: two questions, each with its name before it and its mark after it.
void AnswerSheet::buildForm(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    for (std::size_t i = 0; i < answers_.size(); ++i) {
        QLabel* name = text(content, toQ(answers_[i].field->name) + QStringLiteral(" :"), givenFont,
                            framework::clNavy, layout::windowColor);
        QWidget* box = answerBox(content, i, true);
        name->setBuddy(answers_[i].list ? static_cast<QWidget*>(answers_[i].list) : answers_[i].edit);
        grid->addWidget(name, int(i), 0);
        grid->addWidget(box, int(i), 1);
    }
    grid->setColumnStretch(1, 1);
}

// The rows of the tableau d'avancement the level asks about, the statement's data in their cells.
void AnswerSheet::buildTable(QWidget* content, model::Level level) {
    const model::Equation& equation = exercise_.equation;
    const int species = equation.slot4Present() ? 4 : 3;
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* gridBox = new QWidget(content);
    gridBox->setAutoFillBackground(true);
    setColors(gridBox, framework::clBlack, framework::clWhite);
    outer->addWidget(gridBox);
    outer->addStretch();
    auto* grid = new QGridLayout(gridBox);
    grid->setContentsMargins(1, 1, 1, 1);
    grid->setSpacing(1);

    // Heads: X, then each species as the state table writes it.
    grid->addWidget(cell(gridBox), 0, 0);
    grid->addWidget(givenCell(gridBox, QStringLiteral("X"), QStringLiteral("Avancement X")), 0, 1);
    for (int slot = 1; slot <= species; ++slot) {
        const model::SpeciesSlot& s = equation.slots[std::size_t(slot - 1)];
        QWidget* head = cell(gridBox);
        auto* formula = markupLabel(head, "", surfaceFontOf(givenFont, layout::tableTextColor));
        setMarkup(formula, toQ(s.markup));
        formula->setAccessibleName(toQ(s.formula));
        head->layout()->addWidget(formula);
        head->layout()->setAlignment(formula, Qt::AlignCenter);
        grid->addWidget(head, 0, 1 + slot);
    }

    std::vector<Row> rows{Initial};
    if (level == model::Level::FullTable) {
        rows.push_back(During);
    }
    rows.push_back(Final);
    const std::array<QString, 4> rowTitles{QString(), QStringLiteral("État initial (mol)"),
                                           QStringLiteral("En cours de transformation (mol)"),
                                           QStringLiteral("État final (mol)")};
    const model::Coefficients a{
        double(coefficientOf(equation.slots[0])), double(coefficientOf(equation.slots[1])),
        double(coefficientOf(equation.slots[2])), double(coefficientOf(equation.slots[3]))};
    const std::array<double, 4> final =
        model::quantitiesAt(exercise_.n1, exercise_.n2, a, exercise_.limit.xmax).bySlot();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int gridRow = int(r) + 1;
        QWidget* title = cell(gridBox);
        QLabel* titleText = text(title, rowTitles[std::size_t(rows[r])], givenFont, layout::tableTextColor,
                                 layout::tableColor);
        titleText->setWordWrap(true);
        title->layout()->addWidget(titleText);
        title->setFixedWidth(titleColumnWidth);
        grid->addWidget(title, gridRow, 0);
        for (int column = 1; column <= 1 + species; ++column) {
            const auto asked = std::find_if(answers_.begin(), answers_.end(), [&](const Answer& answer) {
                return rowOf(*answer.field) == rows[r] && columnOf(*answer.field) == column;
            });
            if (asked != answers_.end()) {
                QWidget* box = cell(gridBox);
                box->layout()->addWidget(answerBox(box, std::size_t(asked - answers_.begin()), false));
                grid->addWidget(box, gridRow, column);
                continue;
            }
            // What the statement gives: the initial state, and at level 4 the final state.
            const int slot = column - 1;
            const QString head =
                column == 1 ? QStringLiteral("X") : toQ(equation.slots[std::size_t(slot - 1)].formula);
            QString value;
            if (rows[r] == During) {
                value = QStringLiteral("X");
            } else if (rows[r] == Initial) {
                value = slot == 1   ? toQ(exercise_.quantity1)
                        : slot == 2 ? toQ(exercise_.quantity2)
                                    : QStringLiteral("0");
            } else {
                value =
                    column == 1 ? QStringLiteral("Xmax") : framework::textF3(final[std::size_t(slot - 1)]);
            }
            grid->addWidget(
                givenCell(gridBox, value,
                          QStringLiteral("%1, %2 : %3").arg(rowTitles[std::size_t(rows[r])], head, value)),
                gridRow, column);
        }
    }
    for (int column = 1; column <= 1 + species; ++column) {
        grid->setColumnStretch(column, 1);
    }
}

std::vector<std::string> AnswerSheet::answers() const {
    std::vector<std::string> texts;
    for (const Answer& answer : answers_) {
        if (answer.edit) {
            texts.push_back(framework::fromQ(answer.edit->text()));
        } else {
            texts.push_back(answer.list->currentIndex() > 0 ? framework::fromQ(answer.list->currentText())
                                                            : std::string());
        }
    }
    return texts;
}

void AnswerSheet::showVerdicts(const std::vector<model::Verdict>& verdicts) {
    for (std::size_t i = 0; i < answers_.size() && i < verdicts.size(); ++i) {
        const model::Verdict& verdict = verdicts[i];
        switch (verdict.mark) {
        case model::Mark::Right:
            mark(answers_[i], Look::Right, QStringLiteral("\u2713 Juste"), QStringLiteral("Juste"));
            break;
        case model::Mark::Wrong:
            mark(answers_[i], Look::Wrong, QStringLiteral("\u2717 Faux"),
                 QStringLiteral("Faux. ") + toQ(verdict.message));
            break;
        case model::Mark::NoAnswer:
            mark(answers_[i], Look::NoAnswer, QStringLiteral("\u26A0 ") + toQ(verdict.message),
                 QStringLiteral("À compléter : ") + toQ(verdict.message));
            break;
        case model::Mark::NotMarked:
            mark(answers_[i], Look::None, {}, {});
            break;
        }
    }
}

void AnswerSheet::showSolution() {
    for (Answer& answer : answers_) {
        const QString expected = toQ(answer.field->expected);
        if (answer.edit) {
            answer.edit->setText(expected);
            answer.edit->setCursorPosition(0);
        } else {
            answer.list->setCurrentText(expected);
        }
        mark(answer, Look::Solution, QStringLiteral("Solution"), QStringLiteral("Solution : ") + expected);
    }
    setReadOnly(true);
}

void AnswerSheet::setReadOnly(bool readOnly) {
    for (Answer& answer : answers_) {
        if (answer.edit) {
            answer.edit->setReadOnly(readOnly);
        } else {
            answer.list->setEnabled(!readOnly);
        }
    }
}

void AnswerSheet::mark(Answer& answer, Look look, const QString& words, const QString& detail) {
    QWidget* input = answer.edit ? static_cast<QWidget*>(answer.edit) : answer.list;
    const LookColors* colors = look == Look::Right      ? &rightColors
                               : look == Look::Wrong    ? &wrongColors
                               : look == Look::NoAnswer ? &noAnswerColors
                               : look == Look::Solution ? &solutionColors
                                                        : nullptr;
    QPalette palette = input->parentWidget()->palette();
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    if (colors) {
        setColors(answer.mark, colors->markText, colors->markBackground);
        answer.mark->setAutoFillBackground(true);
        const QColor field = framework::toQColor(colors->field);
        palette.setColor(QPalette::Base, field);
        palette.setColor(QPalette::Button, field);
    } else {
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Button, QColor(240, 240, 240));
    }
    input->setPalette(palette);
    answer.mark->setText(words);
    answer.mark->setAccessibleName(detail);
    answer.mark->setVisible(colors != nullptr);
    if (input->accessibleDescription() != detail) {
        input->setAccessibleDescription(detail);
    }
}

std::vector<QWidget*> AnswerSheet::tabOrder() const {
    std::vector<QWidget*> order;
    for (const Answer& answer : answers_) {
        order.push_back(answer.edit ? static_cast<QWidget*>(answer.edit) : answer.list);
    }
    return order;
}

// Enter in a choice list checks, as it does in a field.
bool AnswerSheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QComboBox*>(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && OnEnter) {
            framework::guarded([this] { OnEnter(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace app
