#pragma once

#include "converter/boxes.h"
#include "converter/converter_model.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace Ui {
class ConverterWindow;
}
namespace entry {
struct Notice;
}
class QLabel;
namespace toolkit {
class DesktopServices;
class EntryBox;
} // namespace toolkit

namespace converter {

// The converter window: its boxes, reference buttons, buttons and menus bound to one
// ConverterModel. Keys and edits go to the model; the texts, states and notices it answers
// with come back to the widgets.
class ConverterWindow : public QMainWindow {
    Q_OBJECT
public:
    // What the window leaves to the program around it.
    struct Commands {
        std::function<void(ConverterWindow&)> clearAll;
        std::function<void()> exitProgram;
        std::function<void(QWidget& over)> openContactWindow;
    };

    explicit ConverterWindow(toolkit::DesktopServices& services, Commands commands = {});
    ~ConverterWindow() override;

    const ConverterModel& model() const { return model_; }

private:
    void applyLook();
    void bindBoxes();
    void bindCommands();
    std::bitset<kBoxCount> render();
    void tell(const entry::Notice& notice);
    void showReference();
    void copyAllResults();

    void exitProgram();
    void printWindow();
    void openWebSite();

    std::unique_ptr<Ui::ConverterWindow> ui_;
    toolkit::DesktopServices& services_;
    Commands commands_;
    ConverterModel model_;
    std::array<toolkit::EntryBox*, kBoxCount> boxes_{};
    // The decibel rows' caption pairs: the US label and the ISO label at the same place.
    std::vector<std::pair<QLabel*, QLabel*>> referenceCaptions_;
};

} // namespace converter
