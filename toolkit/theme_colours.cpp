// Colours drawn for a light palette, turned readable under a dark one.
#include "toolkit/theme_colours.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace toolkit {
namespace {

// The light window the pictures were drawn on.
const QColor kLightGround(239, 239, 239);

double luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// Moves the lightness of `start` in steps towards white (or black) until `reads` holds or the
// end is reached.
template <typename Reads> QColor lightnessUntil(QColor start, bool lighter, Reads reads) {
    float hue = 0, saturation = 0, lightness = 0;
    start.getHslF(&hue, &saturation, &lightness);
    QColor c = start;
    while (!reads(c) && (lighter ? lightness < 1 : lightness > 0)) {
        lightness = std::clamp(lightness + (lighter ? 0.01f : -0.01f), 0.0f, 1.0f);
        c = QColor::fromHslF(hue, saturation, lightness);
    }
    return c;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDark(const QPalette& palette) {
    return luminance(palette.color(QPalette::WindowText)) >
           luminance(palette.color(QPalette::Window));
}

QColor textOn(const QColor& designed, const QColor& background) {
    const auto reads = [&](const QColor& c) {
        return contrastRatio(c, background) >= kReadableContrast;
    };
    if (reads(designed))
        return designed;
    const bool lighter =
        contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background);
    float hue = 0, saturation = 0, lightness = 0;
    designed.getHslF(&hue, &saturation, &lightness);
    lightness = lighter ? std::max(lightness, 1 - lightness) : std::min(lightness, 1 - lightness);
    return lightnessUntil(QColor::fromHslF(hue, saturation, lightness), lighter, reads);
}

QColor backgroundIn(const QColor& designed, const QPalette& palette) {
    if (!isDark(palette))
        return designed;
    float hue = 0, saturation = 0, lightness = 0;
    designed.getHslF(&hue, &saturation, &lightness);
    const QColor start =
        QColor::fromHslF(hue, saturation, palette.color(QPalette::Base).lightnessF());
    const QColor text = palette.color(QPalette::WindowText);
    return lightnessUntil(
        start, false, [&](const QColor& c) { return contrastRatio(c, text) >= kReadableContrast; });
}

QColor backdrop(const QWidget& widget) {
    const QWidget* w = &widget;
    while (!w->autoFillBackground() && !w->isWindow() && w->parentWidget())
        w = w->parentWidget();
    return w->palette().color(w->backgroundRole());
}

void setTextColour(QWidget& widget, const QColor& designed) {
    QPalette p = widget.palette();
    p.setColor(QPalette::WindowText, textOn(designed, backdrop(widget)));
    widget.setPalette(p);
}

void keepOnLightGround(QWidget& picture) {
    const bool dark = isDark(QApplication::palette());
    if (dark) {
        QPalette p = picture.palette();
        p.setColor(QPalette::Window, kLightGround);
        picture.setPalette(p);
    }
    picture.setAutoFillBackground(dark);
}

Etch etchOn(const Etch& designed, const QColor& background) {
    if (!isDark(QApplication::palette()))
        return designed;
    return {background.darker(200), background.lighter(150)};
}

namespace {

// Re-applies a window's colours after a change of the application's palette. The window
// hears of the change before it takes the new palette on; once it has, the colours are
// worked out again.
class PaletteFollower : public QObject {
public:
    PaletteFollower(QWidget& window, QObject& owner, std::function<void()> apply)
        : QObject(&owner), apply_(std::move(apply)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange && !pending_) {
            pending_ = true;
            QTimer::singleShot(0, this, [this] {
                pending_ = false;
                apply_();
            });
        }
        return false;
    }

private:
    std::function<void()> apply_;
    bool pending_ = false;
};

} // namespace

void followPalette(QWidget& window, std::function<void()> apply, QObject* owner) {
    apply();
    new PaletteFollower(window, owner ? *owner : window, std::move(apply));
}

} // namespace toolkit
