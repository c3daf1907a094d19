// The tutorial window on vibration units and decibel references.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TutorialWindow;
}
namespace toolkit {
class DesktopServices;
}

namespace info {

// Why the frequency matters, what rms, peak and peak-to-peak mean, and how the US and
// European decibel references differ.
class TutorialWindow : public QDialog {
    Q_OBJECT
public:
    explicit TutorialWindow(toolkit::DesktopServices& services, QWidget* parent = nullptr);
    ~TutorialWindow() override;

private:
    std::unique_ptr<Ui::TutorialWindow> ui_;
};

} // namespace info
