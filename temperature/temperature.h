#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

namespace Ui {
class Temperature;
}
namespace toolkit {
class EntryBox;
class Services;
} // namespace toolkit

// Converts a temperature between degrees Fahrenheit and Celsius: what is typed into one box
// appears in the other, with one decimal, at ENTER or when the focus leaves the box.
class Temperature : public QDialog {
    Q_OBJECT
public:
    explicit Temperature(toolkit::Services& services, QWidget* parent = nullptr);
    ~Temperature() override;

private:
    using Conversion = double (*)(double);

    void Form_Load();
    void degF_GotFocus();
    void degC_GotFocus();
    void degF_KeyPress(std::int16_t& KeyAscii);
    void degC_KeyPress(std::int16_t& KeyAscii);
    void degF_LostFocus();
    void degC_LostFocus();
    void Command1_Click();
    void Command2_Click();

    void applyLook();
    void wireEvents();
    void keyPress(std::int16_t& KeyAscii, toolkit::EntryBox& source, toolkit::EntryBox& target,
                  Conversion convert);
    void leave(toolkit::EntryBox& source, toolkit::EntryBox& target, Conversion convert);
    void convertInto(toolkit::EntryBox& source, toolkit::EntryBox& target, Conversion convert);

    std::unique_ptr<Ui::Temperature> ui;
    toolkit::Services& services;
};
