#include "temperature/temperature.h"

#include "engine/display_format.h"
#include "entry/highlight.h"
#include "entry/keyfilter.h"
#include "entry/numeric_value.h"
#include "toolkit/entrybox.h"
#include "toolkit/services.h"
#include "toolkit/twips.h"
#include "ui_temperature.h"

#include <cmath>

namespace {

constexpr entry::EntryBounds kBounds{true, true, -100000, 100000};
constexpr char kPattern[] = "###0.0";
constexpr std::int16_t kEnter = 13;

double toFahrenheit(double t) {
    return t * 9 / 5 + 32;
}
double toCelsius(double t) {
    return (t - 32) * 5 / 9;
}

} // namespace

Temperature::Temperature(toolkit::Services& services, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Temperature>()), services(services) {
    ui->setupUi(this);
    applyLook();
    wireEvents();
    Form_Load();
    ui->degF->setFocus();
}

Temperature::~Temperature() = default;

void Temperature::applyLook() {
    using toolkit::setFontPoints;
    setFontPoints(*ui->degF, 12);
    setFontPoints(*ui->degC, 12);
    setFontPoints(*ui->lblF, 24);
    setFontPoints(*ui->lblC, 24);
    setFontPoints(*ui->Label2, 18);
    setFontPoints(*ui->Label1, 9.75);
    setFontPoints(*ui->Command1, 9.75);
    setFontPoints(*ui->Command2, 9.75);
    ui->degF->setAccessibleName(QStringLiteral("Degrees Fahrenheit"));
    ui->degC->setAccessibleName(QStringLiteral("Degrees Celsius"));
}

void Temperature::wireEvents() {
    ui->degF->onGotFocus = [this] { degF_GotFocus(); };
    ui->degC->onGotFocus = [this] { degC_GotFocus(); };
    ui->degF->onKeyPress = [this](std::int16_t& k) { degF_KeyPress(k); };
    ui->degC->onKeyPress = [this](std::int16_t& k) { degC_KeyPress(k); };
    ui->degF->onLostFocus = [this] { degF_LostFocus(); };
    ui->degC->onLostFocus = [this] { degC_LostFocus(); };
    connect(ui->Command1, &QPushButton::clicked, this, &Temperature::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Temperature::Command2_Click);
}

void Temperature::Form_Load() {
    const QChar degree(0x00B0);
    ui->lblF->setText(degree + QLatin1Char('F'));
    ui->lblC->setText(degree + QLatin1Char('C'));
    ui->degF->SetText("");
    ui->degC->SetText("");
}

void Temperature::degF_GotFocus() {
    entry::highlight(*ui->degF);
}
void Temperature::degC_GotFocus() {
    entry::highlight(*ui->degC);
}

void Temperature::degF_KeyPress(std::int16_t& KeyAscii) {
    keyPress(KeyAscii, *ui->degF, *ui->degC, toCelsius);
}
void Temperature::degC_KeyPress(std::int16_t& KeyAscii) {
    keyPress(KeyAscii, *ui->degC, *ui->degF, toFahrenheit);
}

void Temperature::degF_LostFocus() {
    leave(*ui->degF, *ui->degC, toCelsius);
}
void Temperature::degC_LostFocus() {
    leave(*ui->degC, *ui->degF, toFahrenheit);
}

void Temperature::Command1_Click() {
    close();
}
void Temperature::Command2_Click() {
    services.PrintWindow(*this);
}

void Temperature::keyPress(std::int16_t& KeyAscii, toolkit::EntryBox& source,
                           toolkit::EntryBox& target, Conversion convert) {
    // The other box no longer matches once this one is being edited.
    if (KeyAscii > 0)
        target.SetText("");
    entry::keyfilter(KeyAscii, source, kBounds, services);
    if (KeyAscii == kEnter) {
        KeyAscii = 0;
        convertInto(source, target, convert);
    }
}

void Temperature::leave(toolkit::EntryBox& source, toolkit::EntryBox& target, Conversion convert) {
    if (!source.Text().empty())
        convertInto(source, target, convert);
}

// Pasted text, or a number that BACKSPACE made longer than the keys allow, never passed the
// keystroke checks: a result too large to show sensibly is reported instead of written.
void Temperature::convertInto(toolkit::EntryBox& source, toolkit::EntryBox& target,
                              Conversion convert) {
    const double result = convert(entry::numericValue(source.Text()));
    if (!(std::fabs(result) <= engine::kLargestSensibleValue)) {
        services.MsgBox(entry::rangeMessage(kBounds.minval, kBounds.maxval),
                        entry::kInputErrorTitle);
        return;
    }
    target.SetText(engine::formatPattern(result, kPattern));
}
