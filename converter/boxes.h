#pragma once

#include "engine/decibels.h"
#include "engine/units.h"
#include "entry/keyfilter.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The twelve boxes of the converter window that take a number, described once: everything
// the window, its model and the command line know about a box comes from here.
namespace converter {

enum class Box {
    Hz,
    Cpm,
    AccGrms,
    AccGpk,
    VelIPSrms,
    VelIPSpk,
    VelMMSrms,
    VelMMSpk,
    DispMILSpp,
    DispMMpk,
    AdB,
    VdB
};
inline constexpr std::size_t kBoxCount = 12;

struct BoxDescription {
    Box box;
    std::string_view objectName;     // the box in the window's form
    std::string_view key;            // its name on the command line and in files of readings
    std::string_view accessibleName; // what screen readers announce
    std::string_view captionLabel;   // the label beside it, and that label's caption
    std::string_view caption;
    std::string_view isoCaptionLabel; // decibel boxes: the label shown instead under ISO
    std::string_view isoCaption;
    entry::EntryBounds bounds;
    std::optional<engine::Unit> unit; // none for the frequency boxes
};

inline constexpr entry::EntryBounds kHzBounds{true, false, 1, 100000};
inline constexpr entry::EntryBounds kCpmBounds{true, false, 1, 6000000};
inline constexpr entry::EntryBounds kLevelBounds{true, false, 0.00000001, 10000};
inline constexpr entry::EntryBounds kMmLevelBounds{true, false, 0.00000001, 1000000};
inline constexpr entry::EntryBounds kDecibelBounds{true, true, -60, 200};

using engine::Unit;
// In focus order.
inline constexpr std::array<BoxDescription, kBoxCount> kBoxes{{
    {Box::Hz, "txtHZ", "hz", "Frequency, Hz", "Label3", "Hz", {}, {}, kHzBounds, {}},
    {Box::Cpm, "txtCPM", "cpm", "Frequency, CPM", "Label2", "CPM", {}, {}, kCpmBounds, {}},
    {Box::AccGrms,
     "txtAccGrms",
     "g-rms",
     "Acceleration, g, rms",
     "Label7",
     "Acceleration, g, rms",
     {},
     {},
     kLevelBounds,
     Unit::AccGrms},
    {Box::AccGpk,
     "txtAccGpk",
     "g-pk",
     "Acceleration, g, pk",
     "Label26",
     "Acceleration, g, pk",
     {},
     {},
     kLevelBounds,
     Unit::AccGpk},
    {Box::VelIPSrms,
     "txtVelIPSrms",
     "in-s-rms",
     "Velocity, in/sec, rms",
     "Label9",
     "Velocity, in/sec, rms",
     {},
     {},
     kLevelBounds,
     Unit::VelIPSrms},
    {Box::VelIPSpk,
     "txtVelIPSpk",
     "in-s-pk",
     "Velocity, in/sec, peak",
     "Label10",
     "Velocity, in/sec, peak",
     {},
     {},
     kLevelBounds,
     Unit::VelIPSpk},
    {Box::VelMMSrms,
     "txtVelMMSrms",
     "mm-s-rms",
     "Velocity, mm/sec, rms",
     "Label11",
     "Velocity, mm/sec, rms",
     {},
     {},
     kLevelBounds,
     Unit::VelMMSrms},
    {Box::VelMMSpk,
     "txtVelMMSpk",
     "mm-s-pk",
     "Velocity, mm/sec, peak",
     "Label25",
     "Velocity, mm/sec, peak",
     {},
     {},
     kLevelBounds,
     Unit::VelMMSpk},
    {Box::DispMILSpp,
     "txtDispMILSpp",
     "mils-pp",
     "Displacement, mils, pk - pk",
     "Label16",
     "Displacement, mils, pk - pk",
     {},
     {},
     kLevelBounds,
     Unit::DispMILSpp},
    {Box::DispMMpk,
     "txtDispMMpk",
     "mm-pp",
     "Displacement, mm, pk - pk",
     "Label17",
     "Displacement, mm, pk - pk",
     {},
     {},
     kMmLevelBounds,
     Unit::DispMMpk},
    {Box::AdB, "txtAdB", "adb", "Acceleration decibels", "Label5", "AdB re 1 micro-g, rms",
     "Label13", "AdB re 10E-6 m/sec\u00B2, rms", kDecibelBounds, Unit::AdB},
    {Box::VdB, "txtVdB", "vdb", "Velocity decibels", "Label6", "VdB re 10E-8 m/sec, rms", "Label14",
     "VdB re 10E-9 m/sec, rms", kDecibelBounds, Unit::VdB},
}};

constexpr std::size_t indexOf(Box box) {
    return static_cast<std::size_t>(box);
}
constexpr const BoxDescription& describe(Box box) {
    return kBoxes[indexOf(box)];
}
constexpr bool isFrequency(Box box) {
    return box == Box::Hz || box == Box::Cpm;
}
constexpr Box boxOf(engine::Unit unit) {
    return static_cast<Box>(indexOf(Box::AccGrms) + engine::indexOf(unit));
}

// The caption the window shows beside the box under a reference.
constexpr std::string_view captionFor(Box box, engine::Reference reference) {
    const BoxDescription& d = describe(box);
    return reference == engine::Reference::ISO && !d.isoCaption.empty() ? d.isoCaption : d.caption;
}

// What a box is called where its value stands apart from the window, in reports and copies:
// its caption, or its full name for the frequency boxes whose captions are just the unit.
constexpr std::string_view reportCaption(Box box, engine::Reference reference) {
    return isFrequency(box) ? describe(box).accessibleName : captionFor(box, reference);
}

} // namespace converter
