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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QtCanvas m_canvas;
};

}  // namespace kvx::app
