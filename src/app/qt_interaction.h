// The Interaction seam answered by Qt: message boxes and file dialogs.
#pragma once

#include "ui/interaction.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace kvx::app {

/// Turns the Interaction's "label|pattern|label|pattern" filter into Qt's
/// "label;;label" form. Labels that do not show their pattern get it appended,
/// and ';'-separated pattern lists become space-separated.
QString qtFileFilter(std::string_view filter);

class TForm1;

class QtInteraction : public ui::Interaction {
public:
    explicit QtInteraction(QWidget* parent = nullptr) : m_parent(parent) {}
    /// The window the dialogs are modal to (the main window once it exists).
    void setParentWidget(QWidget* parent) { m_parent = parent; }
    /// The pause window of the graph's step and loop modes.
    void setPauseWindow(TForm1* window);

    void message(std::string_view text, std::string_view caption, ui::Icon icon) override;
    ui::Answer ask(std::string_view text, std::string_view caption, ui::Buttons buttons, ui::Icon icon) override;
    std::optional<std::string> chooseOpenFile(const ui::FileDialogRequest& request) override;
    std::optional<std::string> chooseSaveFile(const ui::FileDialogRequest& request) override;
    ui::PauseAnswer pause(const ui::PauseInfo& info) override;
    std::optional<std::uint32_t> chooseColor(std::uint32_t initialRgb) override;

private:
    QPointer<QWidget> m_parent;
    QPointer<TForm1> m_pauseWindow;
};

}  // namespace kvx::app
