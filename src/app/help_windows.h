// Help windows: how to use the program, its change history, its version.
#pragma once

#include "app/language.h"

#include <QDialog>

class QPlainTextEdit;

namespace kvx::app {

/// Texts shown by the help windows (UTF-8), in Japanese; the windows show
/// them in the language in use.
extern const Text kUsageHelp;
extern const Text kHistoryHelp;
extern const char* const kUsageText;
extern const char* const kHistoryText;
inline constexpr const char* kProgramName = "Kurvadex";
inline constexpr const char* kProgramVersion = "4.33";

/// A fixed text in a read-only memo with a close button.
class TextWindow : public QDialog {
    Q_OBJECT
public:
    TextWindow(Text caption, Text text, QWidget* parent);
    QPlainTextEdit* Memo1 = nullptr;
};

class TUsage : public TextWindow {
    Q_OBJECT
public:
    explicit TUsage(QWidget* parent = nullptr);
};

class THistory : public TextWindow {
    Q_OBJECT
public:
    explicit THistory(QWidget* parent = nullptr);
};

class TAbout : public QDialog {
    Q_OBJECT
public:
    explicit TAbout(QWidget* parent = nullptr);
};

}  // namespace kvx::app
