#include "engine/decibels.h"

#include <cmath>

namespace engine {
namespace {

constexpr DbReferences kUsReferences{1e-6f, 1e-8f};
constexpr DbReferences kIsoReferences{1e-7f, 1e-9f};

// Velocity decibels are taken on m/sec; levels are kept in in/sec.
constexpr double kInchesPerMetre = 39.4;

// Decibels of an amplitude ratio: 20 per decade.
constexpr double kDbPerDecade = 20;

constexpr double kTen = 10;

} // namespace

double log10(double x) {
    const double lnTen = std::log(kTen);
    const double lnX = std::log(x);
    return lnX / lnTen;
}

DbReferences referencesFor(Reference reference) {
    return reference == Reference::US ? kUsReferences : kIsoReferences;
}

double accelToDb(double g, float accelRefG) {
    return kDbPerDecade * engine::log10(g / accelRefG);
}

double velToDb(double v, float velRefMps) {
    return kDbPerDecade * engine::log10((v / kInchesPerMetre) / velRefMps);
}

double dbToAccel(double L, float accelRefG) {
    return std::pow(kTen, L / kDbPerDecade) * accelRefG;
}

double dbToVel(double L, float velRefMps) {
    return std::pow(kTen, L / kDbPerDecade) * (static_cast<double>(velRefMps) * kInchesPerMetre);
}

} // namespace engine
