// A channel check box that shows its channel's colour behind the caption;
// the indicator keeps the style's own look.
#pragma once

#include <QCheckBox>
#include <QColor>

namespace kvx::app {

class ChannelBox : public QCheckBox {
    Q_OBJECT
public:
    explicit ChannelBox(const QString& caption, QWidget* parent = nullptr) : QCheckBox(caption, parent) {}

    void setColors(const QColor& background, const QColor& text);
    QColor background() const { return m_background; }
    QColor textColor() const { return palette().color(QPalette::WindowText); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;  // invalid: the parent's background shows through
};

}  // namespace kvx::app
