// A dark palette as desktops give it, for tests and screenshots under a dark theme.
#pragma once

#include <QPalette>

// A dark palette as a desktop gives it to Fusion: dark window and text boxes, light text. The
// text is greyish, as some themes have it, rather than pure white: nothing may count on that.
inline QPalette darkPalette() {
    const QColor window(45, 48, 52), text(208, 208, 208);
    QPalette p(window);
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(group, role, text);
    p.setColor(QPalette::Base, window.darker(150));
    return p;
}
