#include "converter/main_window.h"

#include "info/maker.h"
#include "toolkit/services.h"
#include "toolkit/twips.h"
#include "ui_main.h"

Main::Main(toolkit::Services& services, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Main>()), services(services) {
    ui->setupUi(this);
    ui->centralwidget->setFixedSize(toolkit::twips(10380), toolkit::twips(7560));
    setWindowIcon(QIcon(QStringLiteral(":/images/amplora.svg")));
    applyLook();
    nameForScreenReaders();
    Form_Load();
}

Main::~Main() = default;

void Main::Form_Load() {
    ui->Label13->setText(QStringLiteral("AdB re 10E-6 m/sec") + QChar(0x00B2) +
                         QStringLiteral(", rms"));
    for (QWidget* box : {ui->txtAdB, ui->txtAccGrms, ui->txtVdB, ui->txtVelIPSrms,
                         ui->txtVelIPSpk, ui->txtVelMMSrms, ui->txtDispMILSpp, ui->txtDispMMpk,
                         ui->txtAccGpk, ui->txtVelMMSpk})
        box->setEnabled(false);
}

void Main::applyLook() {
    using toolkit::setFontPoints;
    setFontPoints(*ui->Label1, 13.5);
    setFontPoints(*ui->Label4, 13.5);
    setFontPoints(*ui->Label21, 12, true);
    setFontPoints(*ui->Label22, 8.25);
    setFontPoints(*ui->Command1, 12);
    setFontPoints(*ui->Command2, 12);

    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    for (QLabel* label : {ui->Label21, ui->Label22, ui->Label18, ui->Label19, ui->Label20,
                          ui->Label23}) {
        label->setPalette(blue);
    }
    for (QLabel* label : {ui->Label21, ui->Label22, ui->Label18, ui->Label19, ui->Label20})
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (QFrame* line : {ui->Line1, ui->Line2, ui->Line3}) {
        QPalette p = line->palette();
        p.setColor(QPalette::Window, p.color(QPalette::WindowText));
        line->setPalette(p);
        line->setAutoFillBackground(true);
    }

    ui->Label23->setText(QString::fromUtf8(info::kWebAddress));
    ui->Picture1->setToolTip(QString::fromUtf8(info::kLogoTooltip));
}

void Main::nameForScreenReaders() {
    ui->txtHZ->setAccessibleName(QStringLiteral("Frequency, Hz"));
    ui->txtCPM->setAccessibleName(QStringLiteral("Frequency, CPM"));
    const std::pair<QWidget*, QLabel*> units[] = {
        {ui->txtAccGrms, ui->Label7},    {ui->txtAccGpk, ui->Label26},
        {ui->txtVelIPSrms, ui->Label9},  {ui->txtVelIPSpk, ui->Label10},
        {ui->txtVelMMSrms, ui->Label11}, {ui->txtVelMMSpk, ui->Label25},
        {ui->txtDispMILSpp, ui->Label16}, {ui->txtDispMMpk, ui->Label17}};
    for (const auto& [box, label] : units)
        box->setAccessibleName(label->text());
    ui->txtAdB->setAccessibleName(QStringLiteral("Acceleration decibels"));
    ui->txtVdB->setAccessibleName(QStringLiteral("Velocity decibels"));
    ui->Picture1->setAccessibleName(QStringLiteral("Logo"));
    ui->Picture2->setAccessibleName(QStringLiteral("Relationships"));
}
