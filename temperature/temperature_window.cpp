// The temperature window: its two boxes bound to the temperature model.
#include "temperature/temperature_window.h"

#include "temperature/spoken_text.h"
#include "toolkit/accessibility.h"
#include "toolkit/desktop_services.h"
#include "toolkit/entry_box.h"
#include "toolkit/layout_metrics.h"
#include "ui_temperature_window.h"

namespace temperature {

TemperatureWindow::TemperatureWindow(toolkit::DesktopServices& services, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TemperatureWindow>()), services_(services) {
    ui_->setupUi(this);
    applyLook();
    bind(*ui_->degF, Scale::Fahrenheit);
    bind(*ui_->degC, Scale::Celsius);
    connect(ui_->Command1, &QPushButton::clicked, this, &QDialog::close);
    connect(ui_->Command2, &QPushButton::clicked, this, [this] { services_.printWindow(*this); });
    const QChar degree(0x00B0);
    ui_->lblF->setText(degree + QLatin1Char('F'));
    ui_->lblC->setText(degree + QLatin1Char('C'));
    ui_->degF->setFocus();
}

TemperatureWindow::~TemperatureWindow() = default;

void TemperatureWindow::bind(toolkit::EntryBox& box, Scale scale) {
    box.onGotFocus = [&box] { box.select(entry::highlight(box.text().toStdString())); };
    box.onKeyPress = [this, &box, scale](entry::Key key) {
        const entry::KeyAnswer said = model_.keyPress(scale, key, box.selection());
        answer(said.notices);
        if (said.outcome == entry::KeyOutcome::Converted)
            toolkit::announce(box, QString::fromStdString(conversionAnnouncement(model_)));
        return said.outcome == entry::KeyOutcome::Taken;
    };
    box.onLostFocus = [this, scale] { answer(model_.leave(scale)); };
    box.onEdited = [this, scale](const std::string& text) { model_.edited(scale, text); };
}

// A message box shows over the boxes as the model has them.
void TemperatureWindow::answer(const entry::Notices& notices) {
    render();
    services_.tell(notices);
}

void TemperatureWindow::render() {
    const std::bitset<2> written = model_.takeWritten();
    if (written.test(static_cast<std::size_t>(Scale::Fahrenheit)))
        ui_->degF->showText(model_.text(Scale::Fahrenheit));
    if (written.test(static_cast<std::size_t>(Scale::Celsius)))
        ui_->degC->showText(model_.text(Scale::Celsius));
}

void TemperatureWindow::applyLook() {
    using toolkit::setFontPoints;
    setFontPoints(*ui_->degF, 12);
    setFontPoints(*ui_->degC, 12);
    setFontPoints(*ui_->lblF, 24);
    setFontPoints(*ui_->lblC, 24);
    setFontPoints(*ui_->Label2, 18);
    setFontPoints(*ui_->Label1, 9.75);
    setFontPoints(*ui_->Command1, 9.75);
    setFontPoints(*ui_->Command2, 9.75);
    ui_->degF->setAccessibleName(QStringLiteral("Degrees Fahrenheit"));
    ui_->degC->setAccessibleName(QStringLiteral("Degrees Celsius"));
    ui_->Picture1->setAccessibleName(QStringLiteral("Temperature Scale Comparison"));
}

} // namespace temperature
