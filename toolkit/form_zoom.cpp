// Forms zoomed as one drawing: the designed places, sizes and fonts kept, and drawn larger.
#include "toolkit/form_zoom.h"

#include "toolkit/screen_fit.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace toolkit {
namespace {

// The user's zoom, in steps as browsers take them.
constexpr std::array kSteps{0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
constexpr int kActualSize = 5;
// The desktop's usual text size: its forms are drawn for it.
constexpr double kStandardPoints = 10;

const char* const kGeometry = "designedGeometry";
const char* const kFont = "designedFont";
const char* const kFixedSize = "designedFixedSize";
const char* const kZoom = "formZoom"; // on a window: the zoom its form is drawn at

const QString kSettingsName = QStringLiteral("amplora");
const QString kStepKey = QStringLiteral("zoomStep");

struct Zoom {
    bool on = false; // zoomForms() was called
    double desktop = 1;
    int step = -1; // read from the settings when first needed

    int userStep() {
        if (step < 0) {
            const QSettings settings(kSettingsName, kSettingsName);
            step = std::clamp(settings.value(kStepKey, kActualSize).toInt(), 0,
                              int(kSteps.size()) - 1);
        }
        return step;
    }
};

Zoom& zoom() {
    static Zoom z;
    return z;
}

// Edges scaled, so that widgets that touch keep touching.
QRect scaled(const QRect& r, double z) {
    const int left = int(std::lround(r.x() * z));
    const int top = int(std::lround(r.y() * z));
    return {left, top, int(std::lround((r.x() + r.width()) * z)) - left,
            int(std::lround((r.y() + r.height()) * z)) - top};
}

QSize scaled(const QSize& s, double z) {
    return scaled(QRect(QPoint(), s), z).size();
}

// A font a whole pixel smaller rather than larger than the zoom, so that text keeps within the
// places scaled for it.
QFont scaled(QFont f, double z) {
    if (z == 1)
        return f;
    const int pixels = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
    f.setPixelSize(std::max(1, int(pixels * z)));
    return f;
}

double zoomOf(const QWidget& window) {
    const QVariant z = window.property(kZoom);
    return z.isValid() ? z.toDouble() : 1.0;
}

template <class T> T designed(const QWidget& w, const char* name) {
    return w.property(name).value<T>();
}

bool fixedSize(const QWidget& w) {
    return w.minimumSize() == w.maximumSize();
}

// What the form designs, kept the first time the widget is zoomed; `size`, for a widget of
// a fixed size.
void keepDesign(QWidget& w, std::optional<QSize> size = {}) {
    if (!w.property(kFont).isValid()) {
        QFont font = w.font(); // kept whole, inherited or not
        font.setResolveMask(QFont::AllPropertiesResolved);
        w.setProperty(kFont, font);
    }
    if (size && !w.property(kFixedSize).isValid())
        w.setProperty(kFixedSize, *size);
}

void zoomFont(QWidget& w, double z) {
    const QFont font = scaled(designed<QFont>(w, kFont), z);
    if (w.font() != font)
        w.setFont(font);
}

void zoomSize(QWidget& w, double z) {
    const QSize s = scaled(designed<QSize>(w, kFixedSize), z);
    if (w.size() != s || !fixedSize(w))
        w.setFixedSize(s);
}

void zoomWidget(QWidget& w, double z) {
    zoomFont(w, z);
    if (w.property(kFixedSize).isValid())
        zoomSize(w, z);
    const QRect place = scaled(designed<QRect>(w, kGeometry), z);
    if (w.geometry() != place)
        w.setGeometry(place);
}

// Forms laid out at fixed places: a main window's central widget, a window or dialog without
// a layout of its own (or one the screen fit wrapped).
bool hasFixedForm(QWidget& window) {
    return qobject_cast<QMainWindow*>(&window) || !window.layout() || &formOf(window) != &window;
}

// Windows and dialogs; menus and tooltips are left alone.
void zoomWindow(QWidget& window, double z) {
    const Qt::WindowType type = window.windowType();
    if ((type != Qt::Window && type != Qt::Dialog) || (z == 1 && zoomOf(window) == 1))
        return;
    window.setProperty(kZoom, z);
    if (!hasFixedForm(window)) {
        // Windows Qt lays out (message boxes, the print dialog) lay themselves out anew.
        keepDesign(window);
        zoomFont(window, z);
        return;
    }
    QWidget& form = formOf(window);
    auto* main = qobject_cast<QMainWindow*>(&window);
    QList<QWidget*> parts = form.findChildren<QWidget*>();
    parts.removeIf([](const QWidget* w) { return w->isWindow(); });
    QList<QWidget*> menus;
    if (QWidget* bar = main ? main->menuWidget() : nullptr) {
        menus << bar;
        for (QMenu* menu : bar->findChildren<QMenu*>())
            menus << menu;
    }
    // Everything designed is kept before anything changes: fonts are inherited.
    for (QWidget* w : parts) {
        keepDesign(*w, fixedSize(*w) ? std::optional(w->size()) : std::nullopt);
        if (!w->property(kGeometry).isValid())
            w->setProperty(kGeometry, w->geometry());
    }
    for (QWidget* w : menus)
        keepDesign(*w);
    // A form has a fixed size: a main window's central widget's, a dialog's own (or, wrapped,
    // the wrapper's, which takes it).
    if (!window.property(kFixedSize).isValid())
        window.setProperty(kFixedSize, form.size());
    keepDesign(form, designed<QSize>(window, kFixedSize));

    zoomFont(form, z);
    zoomSize(form, z);
    for (QWidget* w : menus)
        zoomFont(*w, z);
    for (QWidget* w : parts)
        zoomWidget(*w, z);
    // The screen fit hears of the new size.
    QCoreApplication::postEvent(&window, new QEvent(QEvent::LayoutRequest));
}

void zoomAll() {
    if (!zoom().on)
        return;
    for (QWidget* window : QApplication::topLevelWidgets())
        zoomWindow(*window, formZoom());
}

// Zooms windows as they are first shown and as their forms are replaced.
class Zoomer : public QObject {
public:
    explicit Zoomer(QObject* application) : QObject(application) {
        setObjectName(QStringLiteral("formZoomer"));
        application->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::LayoutRequest)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->isWindow() && !zooming_) {
            zooming_ = true;
            zoomWindow(*w, formZoom());
            zooming_ = false;
        }
        return false;
    }

private:
    bool zooming_ = false;
};

} // namespace

double formZoom() {
    return zoom().desktop * kSteps[std::size_t(zoom().userStep())];
}

void followDesktopText(const QFont& desktopFont) {
    double points = desktopFont.pointSizeF();
    if (points <= 0 && QGuiApplication::primaryScreen())
        points =
            desktopFont.pixelSize() * 72 / QGuiApplication::primaryScreen()->logicalDotsPerInch();
    const double ratio = std::max(1.0, points / kStandardPoints);
    if (ratio == zoom().desktop)
        return;
    zoom().desktop = ratio;
    zoomAll();
}

void stepZoom(int step) {
    const int now = zoom().userStep();
    const int next = step == 0 ? kActualSize : std::clamp(now + step, 0, int(kSteps.size()) - 1);
    if (next == now)
        return;
    zoom().step = next;
    QSettings(kSettingsName, kSettingsName).setValue(kStepKey, next);
    zoomAll();
}

void zoomForms() {
    zoom().on = true;
    if (!qApp->findChild<QObject*>(QStringLiteral("formZoomer"), Qt::FindDirectChildrenOnly))
        new Zoomer(qApp);
    zoomAll();
}

void placeDesigned(QWidget& widget, const QRect& designed) {
    widget.setProperty(kGeometry, designed);
    widget.setGeometry(scaled(designed, zoomOf(*widget.window())));
}

} // namespace toolkit
