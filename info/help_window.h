// The operating help window.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class HelpWindow;
}
namespace toolkit {
class DesktopServices;
}

namespace info {

// The four steps of operating the converter window.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(toolkit::DesktopServices& services, QWidget* parent = nullptr);
    ~HelpWindow() override;

private:
    std::unique_ptr<Ui::HelpWindow> ui_;
};

} // namespace info
