#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}
namespace toolkit {
class Services;
}

// The program's name and version. ENTER and ESCAPE close it wherever the focus is.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(toolkit::Services& services, QWidget* parent = nullptr);
    ~frmAbout() override;

private:
    void cmdOK_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};
