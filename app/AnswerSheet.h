#pragma once
// The answers a pupil writes for one exercise: a field per answer the exercise asks, laid out as the
// level asks it (a short form for the limiting reactant, the rows of a tableau d'avancement for the
// others, with what the statement gives already in its cells), and beside each field, once checked, its
// mark in colour and in words, which is also what a screen reader hears on the field.

#include "model/Exercise.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace app {

class AnswerSheet : public QWidget {
    Q_OBJECT
public:
    explicit AnswerSheet(QWidget* parent);

    // Builds the fields of the exercise, empty and open to typing.
    void setExercise(const model::Exercise& exercise, model::Level level);
    // One text per field, in the exercise's order: what is typed, or the item chosen ("" for none).
    std::vector<std::string> answers() const;
    // Marks every field with its verdict; a field the check did not judge loses its mark.
    void showVerdicts(const std::vector<model::Verdict>& verdicts);
    // Every field shows its expected value, marked as the solution.
    void showSolution();
    // A closed exercise keeps its answers on show, no longer to be changed.
    void setReadOnly(bool readOnly);

    // The fields in the exercise's order, as Tab reaches them.
    std::vector<QWidget*> tabOrder() const;

    // Enter in a field.
    std::function<void()> OnEnter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Answer {
        const model::Field* field = nullptr;
        QLineEdit* edit = nullptr; // a number or an expression
        QComboBox* list = nullptr; // a choice
        QLabel* mark = nullptr;
    };
    enum class Look { None, Right, Wrong, NoAnswer, Solution };

    void dropFields();
    void buildForm(QWidget* content);
    void buildTable(QWidget* content, model::Level level);
    // The input and its mark for field index, in a box of their own.
    QWidget* answerBox(QWidget* parent, std::size_t index, bool markBeside);
    void mark(Answer& answer, Look look, const QString& words, const QString& detail);

    model::Exercise exercise_;
    std::vector<Answer> answers_;
    QWidget* content_ = nullptr;
};

} // namespace app
