// The layout font for every widget, kept whatever font the desktop's theme sets.
#include "toolkit/layout_metrics.h"

#include "toolkit/form_zoom.h"

#include <QEvent>
#include <QTimer>

namespace toolkit {
namespace {

void applyLayoutFont() {
    const QFont f = layoutFont();
    // The application font first: setting it drops every class font a theme may have set.
    QApplication::setFont(f);
    QApplication::setFont(f, "QMenuBar");
    QApplication::setFont(f, "QMenu");
}

// Hears of every change of the application's font or theme and, once the theme has done,
// puts the layout font back. Its own changes it lets pass.
class LayoutFontKeeper : public QObject {
public:
    explicit LayoutFontKeeper(QObject* application) : QObject(application) {
        setObjectName(QStringLiteral("layoutFontKeeper"));
        application->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool fontChanged =
            event->type() == QEvent::ApplicationFontChange && watched == parent();
        // The theme's font, before the layout font is put back: the forms follow its size.
        if (fontChanged && !applying_)
            followDesktopText(QApplication::font());
        if ((fontChanged || event->type() == QEvent::ThemeChange) && !applying_ && !pending_) {
            pending_ = true;
            QTimer::singleShot(0, this, [this] {
                pending_ = false;
                applying_ = true;
                applyLayoutFont();
                applying_ = false;
            });
        }
        return false;
    }

private:
    bool applying_ = false;
    bool pending_ = false;
};

} // namespace

void useLayoutFont() {
    followDesktopText(QApplication::font());
    applyLayoutFont();
    if (!qApp->findChild<QObject*>(QStringLiteral("layoutFontKeeper"), Qt::FindDirectChildrenOnly))
        new LayoutFontKeeper(qApp);
}

} // namespace toolkit
