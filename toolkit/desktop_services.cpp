// The real desktop behind the windows' requests.
#include "toolkit/desktop_services.h"

#include "toolkit/print_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace toolkit {

void DesktopServices::tell(const entry::Notices& notices) {
    for (const entry::Notice& notice : notices) {
        if (notice.kind == entry::Notice::Kind::Beep)
            beep();
        else
            showMessage(notice.text, notice.title);
    }
}

void QtDesktopServices::showMessage(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtDesktopServices::beep() {
    bell_.ring();
}

void QtDesktopServices::printWindow(QWidget& window) {
    printWindowInteractive(window);
}

void QtDesktopServices::openAddress(const std::string& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(address)));
}

} // namespace toolkit
