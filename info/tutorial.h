#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class tutorial;
}
namespace toolkit {
class Services;
}

// Why the frequency matters, what rms, peak and peak-to-peak mean, and how the US and
// European decibel references differ.
class tutorial : public QDialog {
    Q_OBJECT
public:
    explicit tutorial(toolkit::Services& services, QWidget* parent = nullptr);
    ~tutorial() override;

private:
    void Form_Load();
    void Command2_Click();
    void Command1_Click();

    std::unique_ptr<Ui::tutorial> ui;
    toolkit::Services& services;
};
