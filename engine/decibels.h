// Decibel references and the conversions between levels and decibels.
#pragma once

namespace engine {

// The two conventions for decibel reference levels.
enum class Reference { US, ISO };

// A reference pair. Single precision on purpose: the window has always kept the references as
// floats, and 1E-06f is not 1E-06, so the decibels it shows depend on those float values.
struct DbReferences {
    float accelRefG; // g rms
    float velRefMps; // m/sec rms
};
DbReferences referencesFor(Reference reference);

// Level (base unit) to decibels and back, evaluated in the order the formulas are written.
// A level of zero or below has no decibels: the result is then not finite.
double accelToDb(double g, float accelRefG);
double velToDb(double v, float velRefMps);
double dbToAccel(double L, float accelRefG);
double dbToVel(double L, float velRefMps);

} // namespace engine
