// A scroll area around the form of a window too large for its screen.
#include "toolkit/screen_fit.h"

#include "toolkit/window_placement.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWindow>

namespace toolkit {
namespace {

const QString kAreaName = QStringLiteral("screenFit");

// The widget that holds a main window's form, or the window itself.
QWidget* formHolder(QWidget& window) {
    if (auto* main = qobject_cast<QMainWindow*>(&window))
        return main->centralWidget();
    return &window;
}

QScrollArea* areaOf(QWidget& window) {
    QWidget* holder = formHolder(window);
    if (holder && holder->objectName() == kAreaName)
        return qobject_cast<QScrollArea*>(holder);
    return window.findChild<QScrollArea*>(kAreaName, Qt::FindDirectChildrenOnly);
}

// Forms of a fixed size: a main window's central widget, or a dialog whose widgets sit at
// fixed places (Qt's own dialogs have layouts and fit themselves).
bool hasFixedForm(QWidget& window) {
    if (!window.isWindow())
        return false;
    if (areaOf(window) || qobject_cast<QMainWindow*>(&window))
        return formHolder(window) != nullptr;
    return qobject_cast<QDialog*>(&window) && !window.layout() && !window.children().isEmpty();
}

// Moves the form into a scroll area in its place; the order of the TAB stops stays, since
// every widget stays in the same window.
QScrollArea* wrap(QWidget& window) {
    QWidget* focus = window.focusWidget();
    auto* area = new QScrollArea;
    area->setObjectName(kAreaName);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        QWidget* form = main->takeCentralWidget();
        area->setWidget(form);
        main->setCentralWidget(area);
        form->show();
    } else {
        auto* form = new QWidget(&window);
        form->setFixedSize(window.size());
        for (QObject* child : window.children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (!w || w == form || w->isWindow())
                continue;
            const bool shown = !w->isHidden();
            w->setParent(form);
            w->setVisible(shown);
        }
        area->setParent(&window);
        area->setWidget(form);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(area);
        area->show();
    }
    if (focus)
        focus->setFocus();
    return area;
}

// The view of a form of size `form` in `room`: the whole form where it fits; else as much as
// fits, with a scroll bar taking its room in the other direction.
QSize viewSize(QSize form, QSize room, int bar) {
    bool across = form.width() > room.width();
    bool down = form.height() > room.height();
    across = across || (down && form.width() + bar > room.width());
    down = down || (across && form.height() + bar > room.height());
    return {across ? room.width() : form.width() + (down ? bar : 0),
            down ? room.height() : form.height() + (across ? bar : 0)};
}

// The window's frame (title bar, borders) as far as it is known yet.
QSize frameExtra(const QWidget& window) {
    return window.frameGeometry().size() - window.geometry().size();
}

// A window that was on the screen and has grown there (a larger zoom) is moved as far as it
// must to stay on it; one the user put partly off the screen is left there.
void keepOnScreen(QWidget& window, QSize oldSize) {
    const QRect frame = window.frameGeometry();
    const QRect before(frame.topLeft(), oldSize + frameExtra(window));
    const QRect available = window.screen()->availableGeometry();
    if (oldSize.isValid() && available.contains(before) && !available.contains(frame))
        placeCentred(window, frame);
}

// Fits windows as they are shown, move screens, get their frames and get new forms.
class ScreenFitter : public QObject {
public:
    explicit ScreenFitter(QObject* application) : QObject(application) {
        setObjectName(QStringLiteral("screenFitter"));
        application->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::ScreenChangeInternal:
        case QEvent::LayoutRequest:
        case QEvent::Move:
            if (auto* w = qobject_cast<QWidget*>(watched); w && w->isWindow())
                fit(*w);
            break;
        case QEvent::Resize:
            if (auto* w = qobject_cast<QWidget*>(watched); w && w->isWindow() && w->isVisible())
                keepOnScreen(*w, static_cast<QResizeEvent*>(event)->oldSize());
            break;
        // The window manager has framed the window by the time it is first exposed; Qt tells
        // of the frame by no event of its own.
        case QEvent::Expose:
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->windowHandle() == watched && w->isVisible())
                    fit(*w);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void fit(QWidget& window) {
        if (fitting_)
            return;
        fitting_ = true;
        fitToScreen(window);
        fitting_ = false;
    }

    bool fitting_ = false;
};

} // namespace

void fitToScreen(QWidget& window) {
    if (!hasFixedForm(window) || !window.screen())
        return;
    QScrollArea* area = areaOf(window);
    QWidget* form = area ? area->widget() : formHolder(window);
    if (!form)
        return;
    auto* main = qobject_cast<QMainWindow*>(&window);
    QSize room = window.screen()->availableGeometry().size() - frameExtra(window);
    if (main && main->menuWidget())
        room.rheight() -= main->menuWidget()->sizeHint().height();
    room = room.expandedTo(QSize(100, 100));
    // A form laid out by a layout may not have its size yet when first shown.
    const QSize designed = form->size().expandedTo(form->minimumSizeHint());
    if (!area && designed.width() <= room.width() && designed.height() <= room.height())
        return;
    const QRect before = window.frameGeometry();
    if (!area)
        area = wrap(window);
    const QSize view =
        viewSize(designed, room, area->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QWidget& sized = main ? *static_cast<QWidget*>(area) : window;
    if (sized.minimumSize() == view && sized.maximumSize() == view)
        return;
    sized.setFixedSize(view);
    if (window.layout())
        window.layout()->activate();
    // The window stays where it was put, moved only as far as it must to keep on the screen
    // (a move to where it is could still shift it by a pixel at a fractional scale).
    const QRect after(before.topLeft(), window.frameGeometry().size());
    if (!window.screen()->availableGeometry().contains(after))
        placeCentred(window, after);
}

void fitWindowsToScreens() {
    if (!qApp->findChild<QObject*>(QStringLiteral("screenFitter"), Qt::FindDirectChildrenOnly))
        new ScreenFitter(qApp);
}

QWidget& formOf(QWidget& window) {
    if (QScrollArea* area = areaOf(window); area && area->widget())
        return *area->widget();
    QWidget* holder = formHolder(window);
    return holder ? *holder : window;
}

} // namespace toolkit
