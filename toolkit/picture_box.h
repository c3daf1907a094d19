#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace toolkit {

// A picture drawn from a resource (SVG or bitmap), scaled to the box. It can take the focus
// like any control of the window and reports clicks.
class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    QString source() const { return source_; }
    void setSource(const QString& resourcePath);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString source_;
    QSvgRenderer* renderer_ = nullptr; // loaded at the first paint
};

} // namespace toolkit
