// The About box.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDialog;
}
namespace toolkit {
class DesktopServices;
}

namespace info {

// The program's name and version. ENTER and ESCAPE close it wherever the focus is.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(toolkit::DesktopServices& services, QWidget* parent = nullptr);
    ~AboutDialog() override;

private:
    std::unique_ptr<Ui::AboutDialog> ui_;
};

} // namespace info
