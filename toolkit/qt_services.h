#pragma once

#include "toolkit/services.h"

namespace toolkit {

// The real desktop: Qt message boxes, the desktop's beep, the printer and the default
// handler for addresses.
class QtServices : public Services {
public:
    void MsgBox(const std::string& text, const std::string& title) override;
    void Beep() override;
    void PrintWindow(QWidget& window) override;
    void OpenAddress(const std::string& address) override;
};

} // namespace toolkit
