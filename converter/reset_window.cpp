// The small "reset" window that stands in while Clear rebuilds the converter's form.
#include "converter/reset_window.h"

#include "toolkit/layout_metrics.h"
#include "toolkit/window_placement.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace converter {

ResetWindow::ResetWindow(std::function<void()> rebuild)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), rebuild_(std::move(rebuild)) {
    setObjectName(QStringLiteral("reset"));
    setWindowTitle(QStringLiteral("reset"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(toolkit::twips(3240), toolkit::twips(615));
    auto* label = new QLabel(QStringLiteral("Reset Main Form"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(toolkit::twipRect(120, 0, 3015, 495));
    label->setAlignment(Qt::AlignCenter);
    toolkit::setFontPoints(*label, 18);
}

void ResetWindow::showCentredOn(const QRect& area) {
    toolkit::placeCentred(*this, area);
    show();
    QTimer::singleShot(0, this, [this] { rebuildOnce(); });
}

bool ResetWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, [this] { rebuildOnce(); });
    return QWidget::event(e);
}

void ResetWindow::rebuildOnce() {
    if (done_)
        return;
    done_ = true;
    rebuild_();
    close();
}

} // namespace converter
