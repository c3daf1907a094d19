// Typing the frequency in Hz or CPM.
#include "converter/conversion_chain.h"
#include "converter/entry_bounds.h"
#include "converter/main_window.h"

#include "engine/display_format.h"
#include "entry/numeric_value.h"
#include "toolkit/entrybox.h"
#include "toolkit/services.h"
#include "ui_main.h"

using namespace converter;

void Main::TxtHz_KeyPress(std::int16_t& KeyAscii) {
    frequencyKeyPress(KeyAscii, *ui->txtHZ, *ui->txtCPM, kHzBounds, false);
}

void Main::TxtCPM_KeyPress(std::int16_t& KeyAscii) {
    frequencyKeyPress(KeyAscii, *ui->txtCPM, *ui->txtHZ, kCpmBounds, true);
}

void Main::frequencyKeyPress(std::int16_t& KeyAscii, toolkit::EntryBox& box,
                             toolkit::EntryBox& other, const entry::EntryBounds& bounds,
                             bool perMinute) {
    entry::keyfilter(KeyAscii, box, bounds, services);
    other.SetText("");
    ui->Frame1->setEnabled(false); // the reference is fixed from the first frequency key on
    emptyFrequencyDependents();
    for (toolkit::EntryBox* level : levelBoxes)
        level->SetEnabled(false);
    other.SetEnabled(false);

    if (KeyAscii != 13)
        return;
    KeyAscii = 0;
    const double value = entry::numericValue(box.Text());
    // Pasted text never passed the keystroke checks: hold it to the same upper bound.
    if (value > bounds.maxval) {
        services.MsgBox(entry::rangeMessage(bounds.minval, bounds.maxval), entry::kInputErrorTitle);
        return;
    }
    peakHz =
        perMinute ? static_cast<float>(engine::round15(value / 60)) : static_cast<float>(value);
    ui->txtHZ->SetText(engine::formatPattern(peakHz, "####0.0#"));
    const float perMinuteValue = peakHz * 60.0f;
    ui->txtCPM->SetText(engine::formatPattern(perMinuteValue, "#####0.0#"));
    for (toolkit::EntryBox* level : levelBoxes)
        level->SetEnabled(true);
    other.SetEnabled(true);
    recomputeForFrequency();
}

void Main::emptyFrequencyDependents() {
    std::vector<toolkit::EntryBox*> stale;
    if (ui->optACC->isChecked())
        stale = {ui->txtVelIPSrms, ui->txtVelIPSpk,   ui->txtVelMMSrms, ui->txtVelMMSpk,
                 ui->txtVdB,       ui->txtDispMILSpp, ui->txtDispMMpk};
    else if (ui->optVel->isChecked())
        stale = {ui->txtAccGrms, ui->txtAccGpk, ui->txtAdB, ui->txtDispMILSpp, ui->txtDispMMpk};
    else if (ui->optDisp->isChecked())
        stale = {ui->txtAccGrms,  ui->txtAccGpk,    ui->txtAdB,      ui->txtVelIPSrms,
                 ui->txtVelIPSpk, ui->txtVelMMSrms, ui->txtVelMMSpk, ui->txtVdB};
    for (toolkit::EntryBox* box : stale)
        box->SetText("");
}

// Derives the other two quantities again at the new frequency from the base box of the
// quantity entered last. A base box whose text would not convert into sensible numbers
// (changed by a paste or a mouse cut, which no key checks) is reported instead.
void Main::recomputeForFrequency() {
    toolkit::EntryBox* base = nullptr;
    engine::Quantity quantity{};
    if (ui->optACC->isChecked()) {
        base = ui->txtAccGrms;
        quantity = engine::Quantity::Acceleration;
    } else if (ui->optVel->isChecked()) {
        base = ui->txtVelIPSrms;
        quantity = engine::Quantity::Velocity;
    } else if (ui->optDisp->isChecked()) {
        base = ui->txtDispMILSpp;
        quantity = engine::Quantity::Displacement;
    } else {
        return;
    }
    const double level = entry::numericValue(base->Text());
    if (!(level >= kSmallestShownLevel &&
          convertsSensibly(quantity, level, peakHz, [this] { return usSelected(); }))) {
        services.MsgBox(entry::rangeMessage(kLevelBounds.minval, kLevelBounds.maxval),
                        entry::kInputErrorTitle);
        return;
    }
    deriveOthers(*conversions, quantity, level, peakHz);
}
