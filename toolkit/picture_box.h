// A picture on a window; some open something when clicked.
#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace toolkit {

// A picture drawn from a resource (SVG or bitmap), scaled to the box. It can take the focus
// like any control of the window and reports clicks. A picture that opens something (a link)
// reports ENTER and SPACE as clicks too; screen readers know it as a link, others as an image.
class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
    Q_PROPERTY(bool link READ isLink WRITE setLink)
public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    QString source() const { return source_; }
    void setSource(const QString& resourcePath);
    bool isLink() const { return link_; }
    void setLink(bool link) { link_ = link; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString source_;
    QSvgRenderer* renderer_ = nullptr; // loaded at the first paint
    bool link_ = false;
};

} // namespace toolkit
