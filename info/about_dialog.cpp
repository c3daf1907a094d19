// The About box: its look and its OK button.
#include "info/about_dialog.h"

#include "toolkit/layout_line.h"
#include "toolkit/layout_metrics.h"
#include "toolkit/theme_colours.h"
#include "ui_about_dialog.h"

namespace info {

AboutDialog::AboutDialog(toolkit::DesktopServices&, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::AboutDialog>()) {
    ui_->setupUi(this);
    toolkit::setFontPoints(*ui_->lblTitle, 24, true);
    toolkit::setFontPoints(*ui_->lblDescription, 12);
    ui_->lblVersion->setText(QStringLiteral("Version " AMPLORA_VERSION));

    toolkit::followPalette(*this, [this] {
        toolkit::keepOnLightGround(*ui_->Picture1);
        // An etched edge: a grey line over a white one.
        const toolkit::Etch etch =
            toolkit::etchOn({QColor(128, 128, 128), Qt::white}, toolkit::backdrop(*this));
        toolkit::placeLine(*ui_->Line1_1, 90, 2445, 5654, 2445, 1, etch.shadow);
        toolkit::placeLine(*ui_->Line1_0, 105, 2460, 5654, 2460, 2, etch.highlight);
    });

    // cmdOK is the default button (ENTER); ESCAPE closes the dialog as its cancel button would.
    connect(ui_->cmdOK, &QPushButton::clicked, this, &QDialog::close);
}

AboutDialog::~AboutDialog() = default;

} // namespace info
