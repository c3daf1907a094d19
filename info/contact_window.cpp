// The contact window: the maker's details, the web address that opens, printing.
#include "info/contact_window.h"

#include "resources/maker.h"
#include "toolkit/desktop_services.h"
#include "toolkit/layout_line.h"
#include "toolkit/layout_metrics.h"
#include "toolkit/link_label.h"
#include "toolkit/theme_colours.h"
#include "ui_contact_window.h"

namespace info {

ContactWindow::ContactWindow(toolkit::DesktopServices& services, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ContactWindow>()), services_(services) {
    ui_->setupUi(this);
    ui_->Label1->setText(QString::fromUtf8(maker::kMakerName));
    ui_->Label2->setText(QString::fromUtf8(maker::kStreet));
    ui_->Label3->setText(QString::fromUtf8(maker::kCityLine));
    ui_->Label6->setText(QStringLiteral("Phone: ") + QString::fromUtf8(maker::kPhone));
    ui_->Label5->setText(QStringLiteral("Toll Free: ") + QString::fromUtf8(maker::kTollFree));
    ui_->Label4->setText(QStringLiteral("Fax: ") + QString::fromUtf8(maker::kFax));
    ui_->Label7->setText(QStringLiteral("Customer Service: ") +
                         QString::fromUtf8(maker::kServiceEmail));
    ui_->Label8->setText(QString::fromUtf8(maker::kWebAddress));
    applyLook();

    connect(ui_->Label8, &toolkit::LinkLabel::clicked, this,
            [this] { services_.openAddress(maker::kWebAddress); });
    connect(ui_->Command1, &QPushButton::clicked, this, &QDialog::close);
    connect(ui_->Command2, &QPushButton::clicked, this, [this] { services_.printWindow(*this); });
    ui_->Command1->setFocus();
}

ContactWindow::~ContactWindow() = default;

void ContactWindow::applyLook() {
    setAutoFillBackground(true);
    toolkit::followPalette(*this, [this] {
        // The page is paper-white: the desktop's colour for the inside of text boxes.
        QPalette page = palette();
        page.setColor(QPalette::Window, page.color(QPalette::Base));
        setPalette(page);
        // The web address is a link, underlined in its colour.
        toolkit::setTextColour(*ui_->Label8, Qt::blue);
        toolkit::placeLine(*ui_->Line1, 4680, 5040, 7320, 5040, 3,
                           ui_->Label8->palette().color(QPalette::WindowText));
    });

    using toolkit::setFontPoints;
    for (QLabel* label :
         std::initializer_list<QLabel*>{ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label6,
                                        ui_->Label5, ui_->Label4, ui_->Label7, ui_->Label8})
        setFontPoints(*label, 13.5);
    setFontPoints(*ui_->Command1, 9.75);
    setFontPoints(*ui_->Command2, 9.75);
}

} // namespace info
