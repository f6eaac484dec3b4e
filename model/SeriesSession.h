#pragma once
// A pupil working through a series: the current exercise, the tries, the points and the results. Two
// tries per exercise; all fields right at the first try gives 2 points, at the second 1, otherwise 0.
// A check where a field holds no answer uses up no try and judges no field, so leaving one field empty
// never lets a pupil test the others for free. The page measures the time itself.

#include "model/Exercise.h"

#include <array>
#include <string>
#include <vector>

namespace model {

enum class Outcome {
    Incomplete, // a field held no answer: nothing judged, no try used
    Right,      // every field right: the exercise is closed with its points
    TryAgain,   // a field wrong at the first try: one try left
    Wrong,      // a field wrong at the second try: closed with 0 points
    Closed,     // the exercise was already closed: the fields are marked, nothing is scored
};

struct CheckResult {
    Outcome outcome = Outcome::Incomplete;
    std::vector<Verdict> fields; // one per field of the exercise, in its order
    std::string verdict;         // "Résultat": begins with "Juste" or "Faux" when the try counted
};

struct ExerciseResult {
    int tries = 0; // tries used, 0 to 2
    int points = 0;
    bool solved = false;        // every field right within the two tries
    bool solutionShown = false; // "Voir la solution" was asked
    bool closed = false;        // no more tries: solved, both tries used, solution shown or left
};

class SeriesSession {
public:
    static constexpr int triesPerExercise = 2;
    static constexpr int pointsAtFirstTry = 2;
    static constexpr int pointsAtSecondTry = 1;
    static constexpr int maximum = pointsAtFirstTry * exercisesPerSeries;

    explicit SeriesSession(Series series);

    const Series& series() const { return series_; }
    int index() const { return index_; } // 0 to 4
    const Exercise& exercise() const { return series_.exercises[std::size_t(index_)]; }
    const ExerciseResult& result() const { return results_[std::size_t(index_)]; }
    int triesLeft() const { return result().closed ? 0 : triesPerExercise - result().tries; }

    // "Vérifier": one text per field (a missing text counts as empty; a choice's text is its item).
    CheckResult check(const std::vector<std::string>& answers);
    // "Voir la solution": closes the exercise, which keeps the points it has.
    void showSolution();
    // "Exercice suivant": closes the exercise and moves on; false after the last one.
    bool next();
    // True once the last exercise is closed: the results are final.
    bool complete() const;
    // "Recommencer": the same series from its first exercise, every result cleared.
    void restart();

    const std::array<ExerciseResult, exercisesPerSeries>& results() const { return results_; }
    int total() const;

private:
    ExerciseResult& current() { return results_[std::size_t(index_)]; }

    Series series_;
    int index_ = 0;
    std::array<ExerciseResult, exercisesPerSeries> results_{};
};

} // namespace model
