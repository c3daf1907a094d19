#pragma once

#include "engine/conversions.h"
#include "engine/units.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class Main;
}
namespace toolkit {
class EntryBox;
class Services;
} // namespace toolkit
namespace entry {
struct EntryBounds;
}
class QRadioButton;

// The converter window: one level at one frequency, shown in every unit.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(toolkit::Services& services, QWidget* parent = nullptr);
    ~Main() override;

    // Creates a converter window in its start-up state, centred on the screen, and shows it.
    static Main* load(toolkit::Services& services);

    // Window-level value: the frequency of the vibration peak in Hz; 0 until one is entered.
    float peakHz = 0;

    // Frequency entry.
    void TxtHz_KeyPress(std::int16_t& KeyAscii);
    void TxtCPM_KeyPress(std::int16_t& KeyAscii);

    // Amplitude entry: typing guard on key down, entry on key press.
    void TxtAccGrms_KeyDown(int KeyCode, int Shift);
    void TxtAccGrms_KeyPress(std::int16_t& KeyAscii);
    void TxtAccGpk_KeyDown(int KeyCode, int Shift);
    void TxtAccGpk_KeyPress(std::int16_t& KeyAscii);
    void TxtVelIPSrms_KeyDown(int KeyCode, int Shift);
    void TxtVelIPSrms_KeyPress(std::int16_t& KeyAscii);
    void txtVelIPSpk_KeyDown(int KeyCode, int Shift);
    void txtVelIPSpk_KeyPress(std::int16_t& KeyAscii);
    void TxtVelMMSrms_KeyDown(int KeyCode, int Shift);
    void TxtVelMMSrms_KeyPress(std::int16_t& KeyAscii);
    void TxtVelMMSpk_KeyDown(int KeyCode, int Shift);
    void TxtVelMMSpk_KeyPress(std::int16_t& KeyAscii);
    void TxTDispMilspp_KeyDown(int KeyCode, int Shift);
    void TxTDispMilspp_KeyPress(std::int16_t& KeyAscii);
    void TxtDispMMpk_KeyDown(int KeyCode, int Shift);
    void TxtDispMMpk_KeyPress(std::int16_t& KeyAscii);

    // Decibel entry.
    void TxtAdB_KeyDown(int KeyCode, int Shift);
    void TxtAdB_KeyPress(std::int16_t& KeyAscii);
    void TxtVdB_KeyDown(int KeyCode, int Shift);
    void TxtVdB_KeyPress(std::int16_t& KeyAscii);

    // Decibel reference selection.
    void OptdBUS_GotFocus();
    void OptdBISO_GotFocus();

    // Commands and menus.
    void Command1_Click(); // Exit
    void Command2_Click(); // Clear
    void menu11_Click();   // File > Exit
    void menu12_Click();   // File > Print
    void mnu4_Click();     // Temperature
    void menu21_Click();   // Help > Operation
    void menu23_Click();   // Help > Tutorial
    void mnu81_Click();    // Help > Contact
    void menu22_Click();   // Help > About
    void Picture1_Click(); // the maker's logo
    void Navigate(const std::string& NavTo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct AmplitudeBox {
        toolkit::EntryBox* box;
        engine::AmplitudeUnit unit;
        const entry::EntryBounds* bounds;
    };

    void Form_Load();
    void applyLook();
    void nameForScreenReaders();
    void wireEvents();

    void frequencyKeyPress(std::int16_t& KeyAscii, toolkit::EntryBox& box, toolkit::EntryBox& other,
                           const entry::EntryBounds& bounds, bool perMinute);
    void emptyFrequencyDependents();
    void recomputeForFrequency();

    void typingGuard(toolkit::EntryBox& B);
    void amplitudeKeyPress(std::int16_t& KeyAscii, const AmplitudeBox& row);
    void decibelKeyPress(std::int16_t& KeyAscii, toolkit::EntryBox& B, engine::Quantity quantity);
    bool frequencyUsable();
    bool levelConvertsSensibly(engine::Quantity quantity, double base,
                               const entry::EntryBounds& bounds);
    bool usSelected() const;
    void selectQuantity(engine::Quantity quantity);
    void setAllEntryBoxesEnabled(bool enabled);
    const AmplitudeBox& amplitudeRow(const toolkit::EntryBox& box) const;

    void showCaptions(bool us);
    void exitProgram();

    std::unique_ptr<Ui::Main> ui;
    toolkit::Services& services;
    std::unique_ptr<engine::Conversions> conversions;
    std::vector<AmplitudeBox> amplitudeBoxes;   // the eight boxes typed in linear units
    std::vector<toolkit::EntryBox*> levelBoxes; // all ten amplitude boxes
    std::vector<toolkit::EntryBox*> entryBoxes; // the twelve boxes that take a number
    QPointer<QWidget> contact;                  // the contact window while it is open
};
