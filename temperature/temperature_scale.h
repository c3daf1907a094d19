// The temperature window's picture: a Fahrenheit and a Celsius scale on one axis.
#pragma once

#include "toolkit/picture_box.h"

namespace temperature {

// The temperature window's picture: one vertical line with degrees Fahrenheit from 300 down
// to -50 on its left and degrees Celsius from 150 down to -50 on its right, a mark every 25
// degrees of each scale. Both scales share one axis, so each mark sits at its true height:
// 212 on the left level with 100 on the right, -40 level with -40.
class TemperatureScale : public toolkit::PictureBox {
    Q_OBJECT
public:
    using PictureBox::PictureBox;

    // The picture's own size; in a larger box it is centred.
    static constexpr int kWidth = 86;
    static constexpr int kHeight = 413;
    // The box the form gives it, unzoomed.
    static constexpr int kBoxWidth = 90;
    static constexpr int kBoxHeight = 414;

    // Pixel row of a temperature within the picture.
    static double rowOfFahrenheit(double degF);
    static double rowOfCelsius(double degC);

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace temperature
