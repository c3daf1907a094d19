#pragma once

namespace engine {

// Base-10 logarithm as ln(x) / ln(10); x must be positive.
double log10(double x);

// The decibel reference pair in force, single precision as the window keeps it.
struct DbReferences {
    float accelRefG; // g rms
    float velRefMps; // m/sec rms
};
DbReferences referencesFor(bool usSelected);

// Level (base unit) to decibels and back, evaluated in the order the formulas are written.
double accelToDb(double g, float accelRefG);
double velToDb(double v, float velRefMps);
double dbToAccel(double L, float accelRefG);
double dbToVel(double L, float velRefMps);

} // namespace engine
