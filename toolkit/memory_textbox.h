#pragma once

#include "textbox.h"

#include <algorithm>
#include <string>

namespace toolkit {

// A text box without a window: for logic that runs headless (tests, benchmarks).
class MemoryTextBox : public TextBox {
public:
    explicit MemoryTextBox(std::string text = {}) : text_(std::move(text)) {}

    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override {
        text_ = text;
        selStart_ = 0;
        selLength_ = 0;
    }
    int SelStart() const override { return selStart_; }
    void SetSelStart(int position) override {
        selStart_ = std::clamp(position, 0, static_cast<int>(text_.size()));
        selLength_ = 0;
    }
    int SelLength() const override { return selLength_; }
    void SetSelLength(int length) override {
        selLength_ = std::clamp(length, 0, static_cast<int>(text_.size()) - selStart_);
    }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    void SetFocus() override { ++focusRequests; }

    int focusRequests = 0;

private:
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
    bool enabled_ = true;
};

} // namespace toolkit
