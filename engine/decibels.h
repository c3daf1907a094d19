#pragma once

namespace engine {

// The two conventions for decibel reference levels.
enum class Reference { US, ISO };

// A reference pair, single precision as the window has always kept it.
struct DbReferences {
    float accelRefG; // g rms
    float velRefMps; // m/sec rms
};
DbReferences referencesFor(Reference reference);

// Base-10 logarithm as ln(x) / ln(10); x must be positive.
double log10(double x);

// Level (base unit) to decibels and back, evaluated in the order the formulas are written.
// A level of zero or below has no decibels: the result is then not finite.
double accelToDb(double g, float accelRefG);
double velToDb(double v, float velRefMps);
double dbToAccel(double L, float accelRefG);
double dbToVel(double L, float velRefMps);

} // namespace engine
