// The link label: keys and clicks that open it, and the focus shown around its text.
#include "toolkit/link_label.h"

#include "toolkit/accessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace toolkit {

bool opensLink(const QKeyEvent& e) {
    const bool plain = (e.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool key =
        e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter || e.key() == Qt::Key_Space;
    return plain && key && !e.isAutoRepeat();
}

bool clickedOn(const QMouseEvent& e, const QWidget& widget) {
    return e.button() == Qt::LeftButton && widget.rect().contains(e.position().toPoint());
}

namespace {

// Screen readers know every link label as a link they can press.
QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    if (!object || className != QLatin1String(LinkLabel::staticMetaObject.className()))
        return nullptr;
    return clickableInterface(*static_cast<QWidget*>(object), [](const QObject&) { return true; });
}

} // namespace

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = (QAccessible::installFactory(makeInterface), true);
    Q_UNUSED(installed);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::paintEvent(QPaintEvent* e) {
    QLabel::paintEvent(e);
    if (!hasFocus())
        return;
    QPainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    const QRect text = style()->itemTextRect(fontMetrics(), contentsRect(), int(alignment()),
                                             isEnabled(), this->text());
    option.rect = text.adjusted(-2, 0, 2, 0) & rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

void LinkLabel::keyPressEvent(QKeyEvent* e) {
    if (opensLink(*e)) {
        e->accept();
        emit clicked();
    } else {
        QLabel::keyPressEvent(e);
    }
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (clickedOn(*e, *this))
        emit clicked();
    QLabel::mouseReleaseEvent(e);
}

} // namespace toolkit
