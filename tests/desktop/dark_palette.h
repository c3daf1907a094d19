#pragma once

#include <QPalette>

// Dark palettes as desktops hand them to Fusion: dark window and text boxes, light text.
// The second has greyish text, as some themes do, so nothing may count on pure white.
inline QPalette darkPalette(QColor window = QColor(53, 53, 53), QColor text = Qt::white) {
    QPalette p(window);
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(group, role, text);
    p.setColor(QPalette::Base, window.darker(150));
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    return p;
}
inline QPalette greyishDarkPalette() {
    return darkPalette(QColor(45, 48, 52), QColor(208, 208, 208));
}
