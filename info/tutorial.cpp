#include "info/tutorial.h"

#include "toolkit/services.h"
#include "toolkit/twips.h"
#include "ui_tutorial.h"

namespace {

const QColor kTeal(0, 192, 192);

} // namespace

tutorial::tutorial(toolkit::Services& services, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::tutorial>()), services(services) {
    ui->setupUi(this);

    QPalette teal = palette();
    teal.setColor(QPalette::Window, kTeal);
    setPalette(teal);
    setAutoFillBackground(true);
    using toolkit::setFontPoints;
    for (QLabel* paragraph : {ui->Label1, ui->Label2, ui->Label3}) {
        setFontPoints(*paragraph, 9.75);
        paragraph->setAutoFillBackground(true);
    }
    setFontPoints(*ui->Command2, 12);
    setFontPoints(*ui->Command1, 12);

    connect(ui->Command2, &QPushButton::clicked, this, &tutorial::Command2_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &tutorial::Command1_Click);
    Form_Load();
}

tutorial::~tutorial() = default;

void tutorial::Form_Load() {
    // The acceleration references are in m/sec squared; the velocity ones in plain m/sec.
    const QChar squared(0x00B2);
    ui->Label3->setText(
        QStringLiteral(
            "Decibel levels are logarithmic, which allows compressing and displaying a wide "
            "range of levels on a single scale.  Different reference units are used in the US "
            "and Europe.  The acceleration reference level is 10E-5 m/sec") +
        squared + QStringLiteral(" rms in the US (1 micro-g) and 10E-6 m/sec") + squared +
        QStringLiteral(
            " rms in Europe.  The velocity reference units are 10E-8 m/sec rms in the US and "
            "10E-9 m/sec rms in Europe.  The correct reference unit must be used when "
            "comparing levels or errors will result.  For example, a 1-g level is equal to "
            "120 AdB (acceleration decibels) when the conventional US reference is used, and "
            "to 140 AdB when the European reference is used.  A factor of 20 dB is equal is a "
            "10-fold increase in vibration level, so an incorrect reference level will lead "
            "to a misinterpretation of results."));
}

void tutorial::Command2_Click() {
    close();
}
void tutorial::Command1_Click() {
    services.PrintWindow(*this);
}
