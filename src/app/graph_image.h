// The graph picture `Image1`: a fixed-size image drawn through a QtCanvas and
// shown as is (no scaling), so screen pixels are the picture's pixels.
#pragma once

#include "app/qt_canvas.h"

#include <QWidget>

namespace kvx::app {

class GraphImage : public QWidget {
    Q_OBJECT
public:
    explicit GraphImage(QWidget* parent = nullptr);

    QtCanvas& canvas() { return m_canvas; }
    /// The picture as drawn so far.
    const QImage& image() { return m_canvas.image(); }
    QSize sizeHint() const override { return {kImageWidth, kImageHeight}; }

signals:
    // Mouse events in picture pixels. Moves arrive while a button is held.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void mouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QtCanvas m_canvas;
};

}  // namespace kvx::app
