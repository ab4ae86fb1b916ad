// Every question the core asks a person: messages, confirmations, file choices.
// The app answers through Qt dialogs, tests through a script, batch through flags.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvx::ui {

enum class Icon { None, Information, Warning, Exclamation, Error };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

/// A file dialog request. Texts are UTF-8; `filter` uses the "label|pattern|label|pattern"
/// form of the design's dialogs (e.g. "標準ﾃﾞｰﾀﾌｧｲﾙ (*.csv)|*.csv|すべて (*.*)|*.*").
struct FileDialogRequest {
    std::string title;
    std::string filter;
    std::string defaultExtension;  // without dot; empty for none
    std::string initialPath;
};

/// What the pause window shows after a step or a loop (UTF-8 texts).
struct PauseInfo {
    std::string rows;       // "1～200"
    std::string area;       // loop area, empty in step mode
    std::string damping;    // equivalent damping ratio, empty in step mode
    std::string stiffness;  // equivalent stiffness, empty in step mode
};

/// The pause window's buttons; Closed when it was closed by its frame.
enum class PauseAnswer { Next, Back, Stop, Closed };

class Interaction {
public:
    virtual ~Interaction() = default;
    /// Modal message with an OK button. Texts are UTF-8.
    virtual void message(std::string_view text, std::string_view caption, Icon icon) = 0;
    /// Modal question; returns the button pressed (closing the box counts as Cancel / No).
    virtual Answer ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) = 0;
    /// Path chosen in an open dialog, or nothing when cancelled.
    virtual std::optional<std::string> chooseOpenFile(const FileDialogRequest& request) = 0;
    /// Path chosen in a save dialog, or nothing when cancelled.
    virtual std::optional<std::string> chooseSaveFile(const FileDialogRequest& request) = 0;
    /// The modal pause after a step or loop. Without a person to ask, go on.
    virtual PauseAnswer pause(const PauseInfo&) { return PauseAnswer::Next; }
    /// Colour chooser starting at `initialRgb` (0xRRGGBB); the chosen colour, or
    /// nothing when cancelled. Without a person to ask, nothing changes.
    virtual std::optional<std::uint32_t> chooseColor(std::uint32_t /*initialRgb*/) { return std::nullopt; }
};

}  // namespace kvx::ui
