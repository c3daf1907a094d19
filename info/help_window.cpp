// The operating help window: its look, Ok and Print Page.
#include "info/help_window.h"

#include "toolkit/desktop_services.h"
#include "toolkit/layout_metrics.h"
#include "ui_help_window.h"

namespace info {

HelpWindow::HelpWindow(toolkit::DesktopServices& services, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::HelpWindow>()) {
    ui_->setupUi(this);
    using toolkit::setFontPoints;
    for (QLabel* number : {ui_->Label5, ui_->Label6, ui_->Label7, ui_->Label8})
        setFontPoints(*number, 24);
    for (QLabel* step : {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label4})
        setFontPoints(*step, 9.75);
    setFontPoints(*ui_->Command1, 12);
    setFontPoints(*ui_->Command2, 12);

    connect(ui_->Command1, &QPushButton::clicked, this, &QDialog::close);
    connect(ui_->Command2, &QPushButton::clicked, this,
            [this, &services] { services.printWindow(*this); });
}

HelpWindow::~HelpWindow() = default;

} // namespace info
