#include "toolkit/qt_services.h"

#include "toolkit/print_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace toolkit {

void QtServices::MsgBox(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtServices::Beep() {
    QApplication::beep();
}

void QtServices::PrintWindow(QWidget& window) {
    printWindowInteractive(window);
}

void QtServices::OpenAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(address)));
}

} // namespace toolkit
