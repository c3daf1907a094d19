// The temperature window's comparison scale: Fahrenheit and Celsius marks on one axis.
#include "temperature/temperature_scale.h"

#include "temperature/temperature_model.h"
#include "toolkit/theme_colours.h"

#include <QPainter>

#include <algorithm>

namespace temperature {
namespace {

// The axis runs from 150 °C (302 °F) at the top row to -50 °C (-58 °F) at the bottom row, so
// that both scales' end marks fit.
constexpr double kTopF = 302;
constexpr double kBottomF = -58;
constexpr double kTopRow = 30;
constexpr double kBottomRow = 404;

constexpr int kAxisX = 43;
constexpr int kMarkLength = 9;
constexpr int kStep = 25;

const QChar kDegree(0x00B0);

} // namespace

double TemperatureScale::rowOfFahrenheit(double degF) {
    return kTopRow + (kTopF - degF) * (kBottomRow - kTopRow) / (kTopF - kBottomF);
}

double TemperatureScale::rowOfCelsius(double degC) {
    return rowOfFahrenheit(toFahrenheit(degC));
}

void TemperatureScale::paintEvent(QPaintEvent* e) {
    {
        QPainter p(this);
        // Black on white, or the dark palette's counterparts.
        const QColor paper = toolkit::backgroundIn(Qt::white, palette());
        const QColor ink = toolkit::textOn(Qt::black, paper);
        p.fillRect(rect(), paper);
        // Drawn larger in a box larger than the form's (a zoomed form), centred; smaller only
        // where the picture itself would not fit.
        const bool roomy = width() >= kBoxWidth && height() >= kBoxHeight;
        const double zoom =
            roomy ? std::min(width() / double(kBoxWidth), height() / double(kBoxHeight))
                  : std::min(width() / double(kWidth), height() / double(kHeight));
        p.translate(int(width() - kWidth * zoom) / 2, int(height() - kHeight * zoom) / 2);
        p.scale(zoom, zoom);
        p.fillRect(kAxisX, static_cast<int>(kTopRow), 1, static_cast<int>(kBottomRow - kTopRow) + 1,
                   ink);

        QFont units = font();
        units.setPixelSize(14);
        units.setBold(true);
        p.setFont(units);
        p.setPen(ink);
        p.drawText(QRect(0, 2, kAxisX, 20), Qt::AlignCenter, kDegree + QLatin1Char('F'));
        p.drawText(QRect(kAxisX + 1, 2, kWidth - kAxisX - 1, 20), Qt::AlignCenter,
                   kDegree + QLatin1Char('C'));

        QFont numbers = font();
        numbers.setPixelSize(10);
        p.setFont(numbers);
        for (int f = 300; f >= -50; f -= kStep) {
            const int row = qRound(rowOfFahrenheit(f));
            p.fillRect(kAxisX - kMarkLength, row, kMarkLength, 1, ink);
            p.drawText(QRect(0, row - 6, kAxisX - kMarkLength - 2, 12),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(f));
        }
        for (int c = 150; c >= -50; c -= kStep) {
            const int row = qRound(rowOfCelsius(c));
            p.fillRect(kAxisX + 1, row, kMarkLength, 1, ink);
            p.drawText(
                QRect(kAxisX + kMarkLength + 3, row - 6, kWidth - kAxisX - kMarkLength - 3, 12),
                Qt::AlignLeft | Qt::AlignVCenter, QString::number(c));
        }
    }
    // The focus frame, drawn as on every picture box.
    PictureBox::paintEvent(e);
}

} // namespace temperature
