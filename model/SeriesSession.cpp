#include "model/SeriesSession.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace model {

namespace {

std::string pointsText(int points) {
    return std::to_string(points) + (points > 1 ? " points" : " point");
}

std::string wrongCount(const std::vector<Verdict>& fields) {
    const auto wrong =
        std::count_if(fields.begin(), fields.end(), [](const Verdict& v) { return v.mark == Mark::Wrong; });
    return std::to_string(wrong) + (wrong > 1 ? " réponses fausses sur " : " réponse fausse sur ") +
           std::to_string(fields.size());
}

} // namespace

SeriesSession::SeriesSession(Series series)
    : series_(std::move(series)) {}

CheckResult SeriesSession::check(const std::vector<std::string>& answers) {
    CheckResult result;
    const std::vector<Field>& fields = exercise().fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        result.fields.push_back(checkAnswer(fields[i], i < answers.size() ? answers[i] : std::string()));
    }
    ExerciseResult& state = current();
    if (state.closed) {
        result.outcome = Outcome::Closed;
        result.verdict = "Cet exercice est terminé\u00A0: passez à l'exercice suivant.";
        return result;
    }
    const auto is = [&](Mark mark) {
        return std::any_of(result.fields.begin(), result.fields.end(),
                           [&](const Verdict& v) { return v.mark == mark; });
    };
    if (is(Mark::NoAnswer)) {
        for (Verdict& v : result.fields) {
            if (v.mark != Mark::NoAnswer) {
                v = {Mark::NotMarked, {}};
            }
        }
        result.outcome = Outcome::Incomplete;
        result.verdict = "Complétez les champs signalés\u00A0: cet essai ne compte pas.";
        return result;
    }
    ++state.tries;
    if (!is(Mark::Wrong)) {
        state.solved = state.closed = true;
        state.points = state.tries == 1 ? pointsAtFirstTry : pointsAtSecondTry;
        result.outcome = Outcome::Right;
        result.verdict = (state.tries == 1 ? "Juste\u00A0: " : "Juste au second essai\u00A0: ") +
                         pointsText(state.points) + ".";
    } else if (state.tries < triesPerExercise) {
        result.outcome = Outcome::TryAgain;
        result.verdict =
            "Faux\u00A0: " + wrongCount(result.fields) + ". Corrigez et vérifiez encore une fois.";
    } else {
        state.closed = true;
        result.outcome = Outcome::Wrong;
        result.verdict = "Faux\u00A0: " + wrongCount(result.fields) +
                         ", 0 point. «\u00A0Voir la solution\u00A0» montre chaque valeur.";
    }
    return result;
}

void SeriesSession::showSolution() {
    current().solutionShown = current().closed = true;
}

bool SeriesSession::next() {
    current().closed = true;
    if (index_ + 1 == exercisesPerSeries) {
        return false;
    }
    ++index_;
    return true;
}

bool SeriesSession::complete() const {
    return results_.back().closed;
}

void SeriesSession::restart() {
    index_ = 0;
    results_ = {};
}

int SeriesSession::total() const {
    return std::accumulate(results_.begin(), results_.end(), 0,
                           [](int sum, const ExerciseResult& r) { return sum + r.points; });
}

} // namespace model
