// Channel box painting.
#include "app/channel_box.h"

#include <QPainter>

namespace kvx::app {

void ChannelBox::setColors(const QColor& background, const QColor& text) {
    m_background = background;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, text);  // all colour groups: disabled boxes keep it too
    setPalette(p);
    update();
}

void ChannelBox::paintEvent(QPaintEvent* event) {
    if (m_background.isValid()) {
        QPainter painter(this);
        painter.fillRect(rect(), m_background);
    }
    QCheckBox::paintEvent(event);
}

}  // namespace kvx::app
