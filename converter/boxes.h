// The table of the converter window's twelve number boxes: names, captions, bounds, units.
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
    GRms,
    GPeak,
    InPerSecRms,
    InPerSecPeak,
    MmPerSecRms,
    MmPerSecPeak,
    MilsPeakToPeak,
    MmPeakToPeak,
    AccelerationDb,
    VelocityDb
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
    // The display pattern of a frequency box; a level's depends on its size (levelPattern).
    std::string_view pattern = {};
};

// The boxes take what a user can type: positive frequencies and levels, signed decibels.
inline constexpr entry::EntryBounds kHzBounds{true, false, 1, 100000};
inline constexpr entry::EntryBounds kCpmBounds{true, false, 1, 6000000};
inline constexpr entry::EntryBounds kLevelBounds{true, false, 0.00000001, 10000};
inline constexpr entry::EntryBounds kMmLevelBounds{true, false, 0.00000001, 1000000};
inline constexpr entry::EntryBounds kDecibelBounds{true, true, -60, 200};

using engine::Unit;
// In focus order.
inline constexpr std::array<BoxDescription, kBoxCount> kBoxes{{
    {Box::Hz, "txtHZ", "hz", "Frequency, Hz", "Label3", "Hz", {}, {}, kHzBounds, {}, "####0.0#"},
    {Box::Cpm,
     "txtCPM",
     "cpm",
     "Frequency, CPM",
     "Label2",
     "CPM",
     {},
     {},
     kCpmBounds,
     {},
     "#####0.0#"},
    {Box::GRms,
     "txtAccGrms",
     "g-rms",
     "Acceleration, g, rms",
     "Label7",
     "Acceleration, g, rms",
     {},
     {},
     kLevelBounds,
     Unit::GRms},
    {Box::GPeak,
     "txtAccGpk",
     "g-pk",
     "Acceleration, g, pk",
     "Label26",
     "Acceleration, g, pk",
     {},
     {},
     kLevelBounds,
     Unit::GPeak},
    {Box::InPerSecRms,
     "txtVelIPSrms",
     "in-s-rms",
     "Velocity, in/sec, rms",
     "Label9",
     "Velocity, in/sec, rms",
     {},
     {},
     kLevelBounds,
     Unit::InPerSecRms},
    {Box::InPerSecPeak,
     "txtVelIPSpk",
     "in-s-pk",
     "Velocity, in/sec, peak",
     "Label10",
     "Velocity, in/sec, peak",
     {},
     {},
     kLevelBounds,
     Unit::InPerSecPeak},
    {Box::MmPerSecRms,
     "txtVelMMSrms",
     "mm-s-rms",
     "Velocity, mm/sec, rms",
     "Label11",
     "Velocity, mm/sec, rms",
     {},
     {},
     kLevelBounds,
     Unit::MmPerSecRms},
    {Box::MmPerSecPeak,
     "txtVelMMSpk",
     "mm-s-pk",
     "Velocity, mm/sec, peak",
     "Label25",
     "Velocity, mm/sec, peak",
     {},
     {},
     kLevelBounds,
     Unit::MmPerSecPeak},
    {Box::MilsPeakToPeak,
     "txtDispMILSpp",
     "mils-pp",
     "Displacement, mils, pk - pk",
     "Label16",
     "Displacement, mils, pk - pk",
     {},
     {},
     kLevelBounds,
     Unit::MilsPeakToPeak},
    {Box::MmPeakToPeak,
     "txtDispMMpk",
     "mm-pp",
     "Displacement, mm, pk - pk",
     "Label17",
     "Displacement, mm, pk - pk",
     {},
     {},
     kMmLevelBounds,
     Unit::MmPeakToPeak},
    {Box::AccelerationDb, "txtAdB", "adb", "Acceleration decibels", "Label5",
     "AdB re 1 micro-g, rms", "Label13", "AdB re 10E-6 m/sec\u00B2, rms", kDecibelBounds,
     Unit::AccelerationDb},
    {Box::VelocityDb, "txtVdB", "vdb", "Velocity decibels", "Label6", "VdB re 10E-8 m/sec, rms",
     "Label14", "VdB re 10E-9 m/sec, rms", kDecibelBounds, Unit::VelocityDb},
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
    return static_cast<Box>(indexOf(Box::GRms) + engine::indexOf(unit));
}

// What the code above takes for granted: the table lists every box once, in the enum's order,
// frequencies first and then one box per unit in the units' order.
constexpr bool tableInOrder() {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const BoxDescription& d = kBoxes[i];
        if (indexOf(d.box) != i || d.unit.has_value() == isFrequency(d.box) ||
            d.pattern.empty() != !isFrequency(d.box))
            return false;
        if (d.unit && (boxOf(*d.unit) != d.box || engine::kAllUnits[i - 2] != *d.unit))
            return false;
    }
    return kBoxCount == engine::kUnitCount + 2;
}
static_assert(tableInOrder(), "the table of boxes follows the Box and Unit enums");

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
