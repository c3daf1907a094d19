// The Celsius/Fahrenheit window.
#pragma once

#include "temperature/temperature_model.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TemperatureWindow;
}
namespace toolkit {
class DesktopServices;
class EntryBox;
} // namespace toolkit

namespace temperature {

// The Celsius/Fahrenheit window bound to its model.
class TemperatureWindow : public QDialog {
    Q_OBJECT
public:
    explicit TemperatureWindow(toolkit::DesktopServices& services, QWidget* parent = nullptr);
    ~TemperatureWindow() override;

private:
    void applyLook();
    void bind(toolkit::EntryBox& box, Scale scale);
    void render();
    void answer(const entry::Notices& notices);

    std::unique_ptr<Ui::TemperatureWindow> ui_;
    toolkit::DesktopServices& services_;
    TemperatureModel model_;
};

} // namespace temperature
