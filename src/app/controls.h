#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace kvx::app {

// Controls carry their form names as object names: the handlers and the
// window tests find them by those names.

// Enter in these windows never presses the focused button; only a click does,
// so a value typed into an edit box is not acted on half-finished.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry);

}  // namespace kvx::app
