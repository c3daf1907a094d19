// A text that opens something: clicked, or ENTER or SPACE while it has the focus.
#pragma once

#include <QLabel>

namespace toolkit {

// A label that works as a link: it takes the focus (shown around its text) and reports
// clicks, ENTER and SPACE alike. Screen readers know it as a link they can press.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// ENTER or SPACE, the keys that open a link or press a button; repeats of a held key are not.
bool opensLink(const QKeyEvent& e);

// A left button released inside the widget: a click, as a button counts it.
bool clickedOn(const QMouseEvent& e, const QWidget& widget);

} // namespace toolkit
