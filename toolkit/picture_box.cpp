#include "toolkit/picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

namespace toolkit {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
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

// A picture does nothing with keys; ENTER in particular must not reach a dialog's default
// button through it.
void PictureBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        e->accept();
    else
        QWidget::keyPressEvent(e);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(e);
}

} // namespace toolkit
