#pragma once
// The advancement engine: maximal advancement, limiting reactant, quantities at X, curve samples and
// axis scaling, as pure functions of numbers (the windows read them from their controls).

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace model {

struct Coefficients {
    double a1 = 1;
    double a2 = 1;
    double a3 = 1;
    double a4 = 0; // 0 when slot 4 is absent
};

struct Quantities {
    double q1 = 0;
    double q2 = 0;
    double q3 = 0;
    double q4 = 0;

    // Slot by slot, for whatever treats the four species alike.
    std::array<double, 4> bySlot() const { return {q1, q2, q3, q4}; }
};

enum class LimitingReactant { First, Second, Both };

struct Limit {
    double xmax = 0;
    LimitingReactant limiting = LimitingReactant::Both;
};

// xmax = N2 / A2 when N1 / A1 > N2 / A2, else N1 / A1 (a tie takes the first reactant's ratio).
Limit limitOf(double n1, int a1, double n2, int a2);

// The largest value a bar or a curve reaches: N1, N2 or A3 × xmax (slot 4 is not considered).
double largestQuantity(double n1, double n2, int a3, double xmax);

struct AxisScaling {
    double bottomMaximum = 0;   // line chart: 1.2 × xmax
    double bottomIncrement = 0; // xmax / 10
    double leftMaximum = 0;     // both charts: largest + 1
};
AxisScaling axisScalingOf(double xmax, double largest);

// The maximal advancement and the axes it scales, from the two initial quantities and the coefficients of
// slots 1 to 3 read as integers: what every recomputation of a window starts from.
struct Extent {
    double xmax = 0;
    AxisScaling axes;
};
Extent extentOf(double n1, int a1, double n2, int a2, int a3);

// k × x / divisor with the product formed exactly before the division, so that k = divisor gives x bit
// for bit. divisor must be positive.
double scaledAdvancement(long long k, long long divisor, double x);

// X at slider position p (0..100): p × xmax / 100.
inline double advancementAt(int p, double xmax) {
    return scaledAdvancement(p, 100, xmax);
}

// The slider position (0..100) nearest to advancement x: 0 for a nonsensical x or xmax.
int positionNearest(double x, double xmax);

Quantities quantitiesAt(double n1, double n2, const Coefficients& a, double x);

// The final state is shown when X equals xmax exactly.
inline bool isFinalState(double x, double xmax) {
    return x == xmax;
}

struct Sample {
    double x = 0;
    Quantities quantities;
};

// For k = 0..p the advancement k × xmax / 100 and the four quantities there; p + 1 samples.
std::vector<Sample> curveSamples(int p, double xmax, double n1, double n2, const Coefficients& a);

// The expressions of the state table's row during the transformation, built from the texts as they
// stand: "2,4 - 2 X" and "1 - X" for a reactant, "2 X" and "X" for a product. A coefficient counts as 1
// only when its text is exactly "1".
std::string reactantExpression(std::string_view quantity, std::string_view coefficient);
std::string productExpression(std::string_view coefficient);

} // namespace model
