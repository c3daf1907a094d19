// Decibels of acceleration and velocity levels under a reference, and back.
#include "engine/decibels.h"

#include <cmath>

namespace engine {
namespace {

constexpr DbReferences kUsReferences{1e-6f, 1e-8f};
constexpr DbReferences kIsoReferences{1e-7f, 1e-9f};

// Velocity decibels are taken on m/sec; levels are kept in in/sec. 39.4, not 39.3700787:
// the rounded factor is the one every velocity decibel the window shows was computed with.
constexpr double kInchesPerMetre = 39.4;

// Decibels of an amplitude ratio: 20 per decade.
constexpr double kDbPerDecade = 20;

constexpr double kTen = 10;

// The base-10 logarithm as ln(x) / ln(10), not std::log10: the quotient differs from it in
// the last bits for more than half of all x, and the window's decibels come from the quotient.
double log10ByLn(double x) {
    const double lnTen = std::log(kTen);
    const double lnX = std::log(x);
    return lnX / lnTen;
}

} // namespace

DbReferences referencesFor(Reference reference) {
    return reference == Reference::US ? kUsReferences : kIsoReferences;
}

double accelToDb(double g, float accelRefG) {
    return kDbPerDecade * log10ByLn(g / accelRefG);
}

double velToDb(double v, float velRefMps) {
    return kDbPerDecade * log10ByLn((v / kInchesPerMetre) / velRefMps);
}

double dbToAccel(double L, float accelRefG) {
    return std::pow(kTen, L / kDbPerDecade) * accelRefG;
}

double dbToVel(double L, float velRefMps) {
    return std::pow(kTen, L / kDbPerDecade) * (static_cast<double>(velRefMps) * kInchesPerMetre);
}

} // namespace engine
