// The tutorial on vibration units: its look, Ok and Print Page.
#include "info/tutorial_window.h"

#include "toolkit/desktop_services.h"
#include "toolkit/layout_metrics.h"
#include "toolkit/theme_colours.h"
#include "ui_tutorial_window.h"

#include <QApplication>

namespace info {
namespace {

const QColor kTeal(0, 192, 192);

} // namespace

TutorialWindow::TutorialWindow(toolkit::DesktopServices& services, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TutorialWindow>()) {
    ui_->setupUi(this);

    toolkit::followPalette(*this, [this] {
        QPalette teal = palette();
        teal.setColor(QPalette::Window, toolkit::backgroundIn(kTeal, QApplication::palette()));
        setPalette(teal);
    });
    setAutoFillBackground(true);
    using toolkit::setFontPoints;
    for (QLabel* paragraph : {ui_->Label1, ui_->Label2, ui_->Label3}) {
        setFontPoints(*paragraph, 9.75);
        paragraph->setAutoFillBackground(true);
    }
    setFontPoints(*ui_->Command2, 12);
    setFontPoints(*ui_->Command1, 12);

    connect(ui_->Command2, &QPushButton::clicked, this, &QDialog::close);
    connect(ui_->Command1, &QPushButton::clicked, this,
            [this, &services] { services.printWindow(*this); });

    // The acceleration references are in m/sec squared; the velocity ones in plain m/sec.
    const QChar squared(0x00B2);
    ui_->Label3->setText(
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

TutorialWindow::~TutorialWindow() = default;

} // namespace info
