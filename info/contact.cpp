#include "info/contact.h"

#include "info/maker.h"
#include "toolkit/line.h"
#include "toolkit/services.h"
#include "toolkit/twips.h"
#include "ui_contact.h"

#include <QMouseEvent>

Contact::Contact(toolkit::Services& services, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Contact>()), services(services) {
    ui->setupUi(this);
    ui->Label1->setText(QString::fromUtf8(info::kMakerName));
    ui->Label2->setText(QString::fromUtf8(info::kStreet));
    ui->Label3->setText(QString::fromUtf8(info::kCityLine));
    ui->Label6->setText(QStringLiteral("Phone: ") + QString::fromUtf8(info::kPhone));
    ui->Label5->setText(QStringLiteral("Toll Free: ") + QString::fromUtf8(info::kTollFree));
    ui->Label4->setText(QStringLiteral("Fax: ") + QString::fromUtf8(info::kFax));
    ui->Label7->setText(QStringLiteral("Customer Service: ") +
                        QString::fromUtf8(info::kServiceEmail));
    ui->Label8->setText(QString::fromUtf8(info::kWebAddress));
    applyLook();

    ui->Label8->installEventFilter(this);
    connect(ui->Command1, &QPushButton::clicked, this, &Contact::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Contact::Command2_Click);
    ui->Command1->setFocus();
}

Contact::~Contact() = default;

void Contact::applyLook() {
    // The page is paper-white: the desktop's colour for the inside of text boxes.
    QPalette page = palette();
    page.setColor(QPalette::Window, page.color(QPalette::Base));
    setPalette(page);
    setAutoFillBackground(true);

    using toolkit::setFontPoints;
    for (QLabel* label : {ui->Label1, ui->Label2, ui->Label3, ui->Label6, ui->Label5, ui->Label4,
                          ui->Label7, ui->Label8})
        setFontPoints(*label, 13.5);
    setFontPoints(*ui->Command1, 9.75);
    setFontPoints(*ui->Command2, 9.75);

    QPalette link = ui->Label8->palette();
    link.setColor(QPalette::WindowText, Qt::blue);
    ui->Label8->setPalette(link);
    toolkit::placeLine(*ui->Line1, 4680, 5040, 7320, 5040, 3, Qt::blue);
}

bool Contact::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->Label8 && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            ui->Label8->rect().contains(mouse->position().toPoint()))
            Label8_Click();
    }
    return QDialog::eventFilter(watched, event);
}

void Contact::Label8_Click() {
    Navigate(info::kWebAddress);
}
void Contact::Command1_Click() {
    close();
}
void Contact::Command2_Click() {
    services.PrintWindow(*this);
}

void Contact::Navigate(const std::string& NavTo) {
    services.OpenAddress(NavTo);
}
