// Showing the graph picture.
#include "app/graph_image.h"

#include <QPainter>

namespace kvx::app {

GraphImage::GraphImage(QWidget* parent) : QWidget(parent) {
    setFixedSize(kImageWidth, kImageHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_canvas.image());
}

}  // namespace kvx::app
