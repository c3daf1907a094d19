#include "engine/conversions.h"

#include "engine/decibels.h"
#include "engine/factors.h"
#include "engine/sigdig.h"

#include <utility>

namespace engine {
namespace {

// velocity (in/sec) = kAccelToVel x acceleration (g) / f
constexpr double kAccelToVel = 61.44;
// displacement (mils pk-pk) = kAccelToDisp x acceleration x 1.414 / f^2 x 1000
constexpr double kAccelToDisp = 19.57;
// acceleration (g) = kDispToAccel x f^2 x displacement / 1000 x 0.707; not the exact inverse
constexpr double kDispToAccel = 0.0511;

} // namespace

Conversions::Conversions(const AmplitudeBoxes& boxes, std::function<bool()> usSelected)
    : boxes_(boxes), usSelected_(std::move(usSelected)) {}

// Without a selection to ask, the US pair (the start-up choice) is in force.
void Conversions::refreshReferences() {
    const DbReferences references = referencesFor(!usSelected_ || usSelected_());
    accelRefG = references.accelRefG;
    velRefMps = references.velRefMps;
}

void Conversions::show(double level, toolkit::TextBox& box) {
    sigdig(level, box);
}

void Conversions::accel(double g) {
    refreshReferences();
    show(accelToDb(g, accelRefG), boxes_.txtAdB);
    show(g, boxes_.txtAccGrms);
    show(g * kPeakOverRms, boxes_.txtAccGpk);
}

void Conversions::Vel(double v) {
    refreshReferences();
    show(v, boxes_.txtVelIPSrms);
    show(v / kRmsOverPeak, boxes_.txtVelIPSpk);
    show(velToDb(v, velRefMps), boxes_.txtVdB);
    show(v * kMmPerInch, boxes_.txtVelMMSrms);
    show((v * kMmPerInch) * kPeakOverRms, boxes_.txtVelMMSpk);
}

void Conversions::disp(double d) {
    show(d, boxes_.txtDispMILSpp);
    show((d * kMmPerInch) / kMilsPerInch, boxes_.txtDispMMpk);
}

// A frequency of 0 gives an infinite or undefined level; it is handed back as it is and
// the boxes it reaches are left empty by sigdig.
void Conversions::acc2vel(double g, double Hz, double& v) {
    const double velocity = (kAccelToVel * g) / Hz;
    v = velocity;
    refreshReferences();
    show(velocity, boxes_.txtVelIPSrms);
    // Unlike Vel(), which divides by 0.707.
    show(velocity * kPeakOverRms, boxes_.txtVelIPSpk);
    show(velToDb(velocity, velRefMps), boxes_.txtVdB);
    show(velocity * kMmPerInch, boxes_.txtVelMMSrms);
    show((velocity * kMmPerInch) * kPeakOverRms, boxes_.txtVelMMSpk);
}

void Conversions::acc2disp(double g, double Hz) {
    const double d = ((((kAccelToDisp * g) * kPeakOverRms) / Hz) / Hz) * kMilsPerInch;
    disp(d);
}

void Conversions::Vel2Acc(double v, double Hz, double& g) {
    const double acceleration = (v * Hz) / kAccelToVel;
    g = acceleration;
    accel(acceleration);
}

void Conversions::disp2acc(double d, double Hz, double& g) {
    const double acceleration = ((((kDispToAccel * Hz) * Hz) * d) / kMilsPerInch) * kRmsOverPeak;
    g = acceleration;
    accel(acceleration);
}

} // namespace engine
