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

// The maker's address, numbers, e-mail and web address; a click on the web address opens it
// in the desktop's browser.
class ContactWindow : public QDialog {
    Q_OBJECT
public:
    explicit ContactWindow(toolkit::DesktopServices& services, QWidget* parent = nullptr);
    ~ContactWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLook();

    std::unique_ptr<Ui::ContactWindow> ui_;
    toolkit::DesktopServices& services_;
};

} // namespace info
