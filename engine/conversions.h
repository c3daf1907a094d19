#pragma once

#include <functional>

namespace toolkit {
class TextBox;
}

namespace engine {

// The ten amplitude boxes of the converter window.
struct AmplitudeBoxes {
    toolkit::TextBox& txtAccGrms;
    toolkit::TextBox& txtAccGpk;
    toolkit::TextBox& txtAdB;
    toolkit::TextBox& txtVelIPSrms;
    toolkit::TextBox& txtVelIPSpk;
    toolkit::TextBox& txtVelMMSrms;
    toolkit::TextBox& txtVelMMSpk;
    toolkit::TextBox& txtVdB;
    toolkit::TextBox& txtDispMILSpp;
    toolkit::TextBox& txtDispMMpk;
};

// The conversion routines of the converter window. Levels are in the base unit of their
// quantity (g rms, in/sec rms, mils pk-pk); every box is written through sigdig.
class Conversions {
public:
    // `usSelected` reports whether the US decibel reference is the one selected.
    Conversions(const AmplitudeBoxes& boxes, std::function<bool()> usSelected);
    virtual ~Conversions() = default;

    // Sets accelRefG and velRefMps from the reference selection.
    void refreshReferences();

    void accel(double g);
    void Vel(double v);
    void disp(double d);

    void acc2vel(double g, double Hz, double& v);
    void acc2disp(double g, double Hz);
    void Vel2Acc(double v, double Hz, double& g);
    void disp2acc(double d, double Hz, double& g);

    // Window-level decibel references; 0 until the first refresh.
    float accelRefG = 0;
    float velRefMps = 0;

protected:
    // Every level reaches its box through here (sigdig); tests observe the raw values.
    virtual void show(double level, toolkit::TextBox& box);

private:
    AmplitudeBoxes boxes_;
    std::function<bool()> usSelected_;
};

} // namespace engine
