#pragma once

#include <QDialog>

#include <memory>
#include <string>

namespace Ui {
class Contact;
}
namespace toolkit {
class Services;
}

// The maker's address, numbers, e-mail and web address; a click on the web address opens it
// in the desktop's browser.
class Contact : public QDialog {
    Q_OBJECT
public:
    explicit Contact(toolkit::Services& services, QWidget* parent = nullptr);
    ~Contact() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLook();
    void Label8_Click();
    void Command1_Click();
    void Command2_Click();
    void Navigate(const std::string& NavTo);

    std::unique_ptr<Ui::Contact> ui;
    toolkit::Services& services;
};
