// Typing a level in one of the ten amplitude boxes.
#include "converter/conversion_chain.h"
#include "converter/entry_bounds.h"
#include "converter/main_window.h"

#include "engine/decibels.h"
#include "entry/numeric_value.h"
#include "toolkit/entrybox.h"
#include "toolkit/services.h"
#include "ui_main.h"

#include <algorithm>

using namespace converter;
using engine::Quantity;

// clang-format off
void Main::TxtAccGrms_KeyDown(int, int) { typingGuard(*ui->txtAccGrms); }
void Main::TxtAccGpk_KeyDown(int, int) { typingGuard(*ui->txtAccGpk); }
void Main::TxtVelIPSrms_KeyDown(int, int) { typingGuard(*ui->txtVelIPSrms); }
void Main::txtVelIPSpk_KeyDown(int, int) { typingGuard(*ui->txtVelIPSpk); }
void Main::TxtVelMMSrms_KeyDown(int, int) { typingGuard(*ui->txtVelMMSrms); }
void Main::TxtVelMMSpk_KeyDown(int, int) { typingGuard(*ui->txtVelMMSpk); }
void Main::TxTDispMilspp_KeyDown(int, int) { typingGuard(*ui->txtDispMILSpp); }
void Main::TxtDispMMpk_KeyDown(int, int) { typingGuard(*ui->txtDispMMpk); }
void Main::TxtAdB_KeyDown(int, int) { typingGuard(*ui->txtAdB); }
void Main::TxtVdB_KeyDown(int, int) { typingGuard(*ui->txtVdB); }

void Main::TxtAccGrms_KeyPress(std::int16_t& k) { amplitudeKeyPress(k, amplitudeRow(*ui->txtAccGrms)); }
void Main::TxtAccGpk_KeyPress(std::int16_t& k) { amplitudeKeyPress(k, amplitudeRow(*ui->txtAccGpk)); }
void Main::TxtVelIPSrms_KeyPress(std::int16_t& k) { amplitudeKeyPress(k, amplitudeRow(*ui->txtVelIPSrms)); }
void Main::txtVelIPSpk_KeyPress(std::int16_t& k) { amplitudeKeyPress(k, amplitudeRow(*ui->txtVelIPSpk)); }
void Main::TxtVelMMSrms_KeyPress(std::int16_t& k) { amplitudeKeyPress(k, amplitudeRow(*ui->txtVelMMSrms)); }
void Main::TxtVelMMSpk_KeyPress(std::int16_t& k) { amplitudeKeyPress(k, amplitudeRow(*ui->txtVelMMSpk)); }
void Main::TxTDispMilspp_KeyPress(std::int16_t& k) { amplitudeKeyPress(k, amplitudeRow(*ui->txtDispMILSpp)); }
void Main::TxtDispMMpk_KeyPress(std::int16_t& k) { amplitudeKeyPress(k, amplitudeRow(*ui->txtDispMMpk)); }
void Main::TxtAdB_KeyPress(std::int16_t& k) { decibelKeyPress(k, *ui->txtAdB, Quantity::Acceleration); }
void Main::TxtVdB_KeyPress(std::int16_t& k) { decibelKeyPress(k, *ui->txtVdB, Quantity::Velocity); }
// clang-format on

const Main::AmplitudeBox& Main::amplitudeRow(const toolkit::EntryBox& box) const {
    return *std::find_if(amplitudeBoxes.begin(), amplitudeBoxes.end(),
                         [&box](const AmplitudeBox& row) { return row.box == &box; });
}

// Every key down in a level box: the other levels are stale until ENTER.
void Main::typingGuard(toolkit::EntryBox& B) {
    if (peakHz == 0)
        services.MsgBox(kNoFrequencyText, kNoFrequencyTitle);
    for (toolkit::EntryBox* box : levelBoxes)
        if (box != &B)
            box->SetText("");
    for (toolkit::EntryBox* box : entryBoxes)
        if (box != &B)
            box->SetEnabled(false);
}

void Main::amplitudeKeyPress(std::int16_t& KeyAscii, const AmplitudeBox& row) {
    const entry::EntryBounds& bounds = *row.bounds;
    entry::keyfilter(KeyAscii, *row.box, bounds, services);
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    const Quantity quantity = engine::quantityOf(row.unit);
    const double base = engine::toBaseUnit(row.unit, entry::numericValue(row.box->Text()));
    if (!frequencyUsable() || !levelConvertsSensibly(quantity, base, bounds))
        return;
    selectQuantity(quantity);
    setAllEntryBoxesEnabled(true);
    fillQuantity(*conversions, quantity, base);
    peakHz = static_cast<float>(entry::numericValue(ui->txtHZ->Text()));
    deriveOthers(*conversions, quantity, base, peakHz);
}

void Main::decibelKeyPress(std::int16_t& KeyAscii, toolkit::EntryBox& B, Quantity quantity) {
    entry::keyfilter(KeyAscii, B, kDecibelBounds, services);
    conversions->refreshReferences();
    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    const double L = entry::numericValue(B.Text());
    const double base = quantity == Quantity::Acceleration
                            ? engine::dbToAccel(L, conversions->accelRefG)
                            : engine::dbToVel(L, conversions->velRefMps);
    if (!frequencyUsable() || !levelConvertsSensibly(quantity, base, kDecibelBounds))
        return;
    selectQuantity(quantity);
    if (quantity == Quantity::Acceleration) {
        conversions->accel(base);
        setAllEntryBoxesEnabled(true);
    } else {
        setAllEntryBoxesEnabled(true);
        conversions->Vel(base);
    }
    peakHz = static_cast<float>(entry::numericValue(ui->txtHZ->Text()));
    deriveOthers(*conversions, quantity, base, peakHz);
}

// A frequency box emptied or changed without a key (DELETE, a mouse cut, a paste) is checked
// here: conversion needs a frequency the frequency boxes could have produced. Without one the
// user is told, and every box stays open so the frequency can be put right.
bool Main::frequencyUsable() {
    const float Hz = static_cast<float>(entry::numericValue(ui->txtHZ->Text()));
    if (Hz == 0) {
        services.MsgBox(kNoFrequencyText, kNoFrequencyTitle);
        setAllEntryBoxesEnabled(true);
        return false;
    }
    if (!(Hz >= kLowestHz && Hz <= kHzBounds.maxval)) {
        services.MsgBox(entry::rangeMessage(kHzBounds.minval, kHzBounds.maxval),
                        entry::kInputErrorTitle);
        setAllEntryBoxesEnabled(true);
        return false;
    }
    return true;
}

// A level that arrived without key checks (a paste, or one of the window's own results
// entered again) is converted only where every box would show a sensible number.
bool Main::levelConvertsSensibly(Quantity quantity, double base, const entry::EntryBounds& bounds) {
    const float Hz = static_cast<float>(entry::numericValue(ui->txtHZ->Text()));
    if (convertsSensibly(quantity, base, Hz, [this] { return usSelected(); }))
        return true;
    services.MsgBox(entry::rangeMessage(bounds.minval, bounds.maxval), entry::kInputErrorTitle);
    return false;
}

void Main::selectQuantity(Quantity quantity) {
    ui->optACC->setChecked(quantity == Quantity::Acceleration);
    ui->optVel->setChecked(quantity == Quantity::Velocity);
    ui->optDisp->setChecked(quantity == Quantity::Displacement);
}
