#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class Help;
}
namespace toolkit {
class Services;
}

// The four steps of operating the converter window.
class Help : public QDialog {
    Q_OBJECT
public:
    explicit Help(toolkit::Services& services, QWidget* parent = nullptr);
    ~Help() override;

private:
    void Command1_Click();
    void Command2_Click();

    std::unique_ptr<Ui::Help> ui;
    toolkit::Services& services;
};
