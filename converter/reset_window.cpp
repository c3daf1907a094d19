#include "converter/reset_window.h"

#include "converter/main_window.h"
#include "toolkit/twips.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

reset::reset(toolkit::Services& services)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), services(services) {
    setObjectName(QStringLiteral("reset"));
    setWindowTitle(QStringLiteral("reset"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(toolkit::twips(3240), toolkit::twips(615));
    auto* Label1 = new QLabel(QStringLiteral("Reset Main Form"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(toolkit::twipRect(120, 0, 3015, 495));
    Label1->setAlignment(Qt::AlignCenter);
    toolkit::setFontPoints(*Label1, 18);
}

void reset::showCentredOn(const QRect& ownerGeometry) {
    move(ownerGeometry.center() - rect().center());
    show();
    // Without a window manager the window may never become active: do not rely on it.
    QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

bool reset::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
    return QWidget::event(e);
}

void reset::Form_Activate() {
    if (done)
        return;
    done = true;
    Main::load(services);
    close();
}
