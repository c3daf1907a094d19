// The window with the maker's contact details.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class ContactWindow;
}
namespace toolkit {
class DesktopServices;
}

namespace info {

// The maker's address, numbers, e-mail and web address; the web address is a link that a
// click, or ENTER or SPACE on it, opens in the desktop's browser.
class ContactWindow : public QDialog {
    Q_OBJECT
public:
    explicit ContactWindow(toolkit::DesktopServices& services, QWidget* parent = nullptr);
    ~ContactWindow() override;

private:
    void applyLook();

    std::unique_ptr<Ui::ContactWindow> ui_;
    toolkit::DesktopServices& services_;
};

} // namespace info
