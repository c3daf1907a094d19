// The small "reset" window that stands in while Clear rebuilds the converter's form.
#pragma once

#include <QWidget>

#include <functional>

namespace converter {

// The small borderless window that stands in while Clear rebuilds the converter's form. Once
// it is active (or at the latest once the event loop turns, since a desktop without a window
// manager may never activate it) it calls `rebuild` and closes.
class ResetWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResetWindow(std::function<void()> rebuild);

    // Shows the window centred on the area the converter window occupied.
    void showCentredOn(const QRect& area);

protected:
    bool event(QEvent* e) override;

private:
    void rebuildOnce();

    std::function<void()> rebuild_;
    bool done_ = false;
};

} // namespace converter
