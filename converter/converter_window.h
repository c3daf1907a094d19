// The converter window: its form bound to one converter model.
#pragma once

#include "converter/boxes.h"
#include "converter/converter_model.h"

#include <QMainWindow>

#include <array>
#include <bitset>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace Ui {
class ConverterWindow;
}
class QLabel;
namespace toolkit {
class DesktopServices;
class EntryBox;
} // namespace toolkit

namespace converter {

// The windows the converter's menus open; the program around the converter shows them.
enum class SecondaryWindow { Temperature, Help, Tutorial, About, Contact };

// The converter window: its boxes, reference buttons, buttons and menus bound to one
// ConverterModel. Keys and edits go to the model; the texts and states it answers with come
// back to the widgets, then what it asks to be told.
class ConverterWindow : public QMainWindow {
    Q_OBJECT
public:
    // What the window leaves to the program around it.
    struct Commands {
        std::function<void()> exitProgram;
        std::function<void(SecondaryWindow)> open;
    };

    explicit ConverterWindow(toolkit::DesktopServices& services, Commands commands = {});
    ~ConverterWindow() override;

    const ConverterModel& model() const { return model_; }

    // Clear: the reset window stands in while the form is discarded and built afresh, in its
    // start-up state, inside this same window, which keeps its place and size.
    void clearAll();

protected:
    void changeEvent(QEvent* e) override;

private:
    void buildForm();
    void rebuildForm();
    // Tells screen readers the form was cleared, once the window has the focus back.
    void sayCleared();
    void applyLook();
    void bindBoxes();
    void bindCommands();
    // The boxes as the model has them now (returns those it wrote), then what it asks to be
    // told.
    std::bitset<kBoxCount> render();
    std::bitset<kBoxCount> answer(const entry::Notices& notices);
    void showReference();
    void copyAllResults();

    void exitProgram();
    void open(SecondaryWindow window);

    std::unique_ptr<Ui::ConverterWindow> ui_;
    toolkit::DesktopServices& services_;
    Commands commands_;
    ConverterModel model_;
    std::array<toolkit::EntryBox*, kBoxCount> boxes_{};
    // The decibel rows' caption pairs: the US label and the ISO label at the same place.
    std::vector<std::pair<QLabel*, QLabel*>> referenceCaptions_;
    bool clearedUnsaid_ = false;
};

} // namespace converter
