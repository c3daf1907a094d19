#pragma once

#include <QWidget>

namespace toolkit {
class Services;
}

// The small borderless window shown while the converter window is rebuilt by Clear.
class reset : public QWidget {
    Q_OBJECT
public:
    explicit reset(toolkit::Services& services);

    // Shows the window centred on the area the converter window occupied.
    void showCentredOn(const QRect& ownerGeometry);

protected:
    bool event(QEvent* e) override;

private:
    void Form_Activate();

    toolkit::Services& services;
    bool done = false;
};
