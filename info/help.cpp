#include "info/help.h"

#include "toolkit/services.h"
#include "toolkit/twips.h"
#include "ui_help.h"

Help::Help(toolkit::Services& services, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Help>()), services(services) {
    ui->setupUi(this);
    using toolkit::setFontPoints;
    for (QLabel* number : {ui->Label5, ui->Label6, ui->Label7, ui->Label8})
        setFontPoints(*number, 24);
    for (QLabel* step : {ui->Label1, ui->Label2, ui->Label3, ui->Label4})
        setFontPoints(*step, 9.75);
    setFontPoints(*ui->Command1, 12);
    setFontPoints(*ui->Command2, 12);

    connect(ui->Command1, &QPushButton::clicked, this, &Help::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &Help::Command2_Click);
}

Help::~Help() = default;

void Help::Command1_Click() {
    close();
}
void Help::Command2_Click() {
    services.PrintWindow(*this);
}
