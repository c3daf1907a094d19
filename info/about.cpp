#include "info/about.h"

#include "toolkit/line.h"
#include "toolkit/twips.h"
#include "ui_about.h"

frmAbout::frmAbout(toolkit::Services&, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmAbout>()) {
    ui->setupUi(this);
    toolkit::setFontPoints(*ui->lblTitle, 24, true);
    toolkit::setFontPoints(*ui->lblDescription, 12);
    ui->lblVersion->setText(QStringLiteral("Version " AMPLORA_VERSION));

    // An etched edge: a grey line over a white one.
    toolkit::placeLine(*ui->Line1_1, 90, 2445, 5654, 2445, 1, QColor(128, 128, 128));
    toolkit::placeLine(*ui->Line1_0, 105, 2460, 5654, 2460, 2, Qt::white);

    // cmdOK is the default button (ENTER); ESCAPE closes the dialog as its cancel button would.
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdOK_Click() {
    close();
}
