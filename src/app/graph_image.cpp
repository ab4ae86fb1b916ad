// Showing the graph picture.
#include "app/graph_image.h"

#include <QMouseEvent>
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

void GraphImage::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void GraphImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseMove(event->modifiers(), p.x(), p.y());
}

void GraphImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mouseUp(event->button(), event->modifiers(), p.x(), p.y());
}

}  // namespace kvx::app
