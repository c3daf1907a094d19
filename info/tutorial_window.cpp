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
}

TutorialWindow::~TutorialWindow() = default;

} // namespace info
