#pragma once

#include "app/language.h"

#include <QRect>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QWidget;

namespace kvx::app {

// Controls carry their form names as object names: the handlers and the
// window tests find them by those names.

// Enter in these windows never presses the focused button; only a click does,
// so a value typed into an edit box is not acted on half-finished.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry);

// The same with a caption in the language in use, set again on every switch.
QPushButton* makeButton(QWidget* parent, const QString& name, Text caption, const QRect& geometry);
QLabel* makeLabel(QWidget* parent, const QString& name, Text text, const QRect& geometry);

/// A text in the language in use in UTF-8, for the interaction's messages.
inline std::string trText(Text text) { return translated(text).toStdString(); }

/// A row range from the core ("1 ～ 250", "12～40") in the language in use:
/// the full-width tilde is Japanese punctuation, a dash in English.
QString rowRangeText(const std::string& range);

/// For texts that follow the window's state: sets `property` of `target` to
/// what `make` returns, now and after every switch of language. A later call
/// for the same property replaces `make` (bindText would pile up bindings).
void setLiveText(QObject* target, const char* property, std::function<QString()> make);
void setLiveText(QObject* target, const char* property, Text text);

/// An edit whose text starts as one of `defaults` (a hint, a default title):
/// while it still shows one of them untouched, it shows it in the language in
/// use. Whatever the user typed stays.
void followDefaults(QLineEdit* edit, std::vector<Text> defaults);

}  // namespace kvx::app
