#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class Main;
}
namespace toolkit {
class Services;
}

// The converter window.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(toolkit::Services& services, QWidget* parent = nullptr);
    ~Main() override;

    // Window-level values; 0 until first set.
    float peakHz = 0;

protected:
    std::unique_ptr<Ui::Main> ui;
    toolkit::Services& services;

private:
    void Form_Load();
    void applyLook();
    void nameForScreenReaders();
};
