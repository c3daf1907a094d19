// The picture box: drawing its picture and focus, keys and clicks.
#include "toolkit/picture_box.h"

#include "toolkit/accessibility.h"
#include "toolkit/link_label.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

namespace toolkit {

namespace {

// Screen readers know a picture box as a link while it opens something, else as an image.
QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    if (!object || className != QLatin1String(PictureBox::staticMetaObject.className()))
        return nullptr;
    return clickableInterface(*static_cast<QWidget*>(object), [](const QObject& picture) {
        return static_cast<const PictureBox&>(picture).isLink();
    });
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(makeInterface), true);
    Q_UNUSED(installed);
    setFocusPolicy(Qt::StrongFocus);
}

PictureBox::~PictureBox() = default;

void PictureBox::setSource(const QString& resourcePath) {
    source_ = resourcePath;
    delete renderer_;
    renderer_ = nullptr;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!source_.isEmpty()) {
        if (source_.endsWith(QLatin1String(".svg"))) {
            if (!renderer_)
                renderer_ = new QSvgRenderer(source_, this);
            renderer_->render(&p, rect());
        } else {
            p.drawPixmap(rect(), QPixmap(source_));
        }
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

// A link opens with ENTER and SPACE as with a click. Other pictures do nothing with keys; ENTER
// in particular must not reach a dialog's default button through them.
void PictureBox::keyPressEvent(QKeyEvent* e) {
    if (link_ && opensLink(*e)) {
        e->accept();
        emit clicked();
    } else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
    } else {
        QWidget::keyPressEvent(e);
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    if (clickedOn(*e, *this))
        emit clicked();
    QWidget::mouseReleaseEvent(e);
}

} // namespace toolkit
