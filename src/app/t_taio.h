// The channel correspondence window "　チャンネル対応": which file channel each
// of the 16 graph channels shows when a file has more than 16 channels.
#pragma once

#include "data/correspondence.h"
#include "ui/interaction.h"

#include <QColor>
#include <QDialog>
#include <QString>

#include <functional>

#include <array>
#include <optional>
#include <string>

class QLabel;
class QPushButton;
class QSpinBox;

namespace kvx::app {

class TTaio : public QDialog {
    Q_OBJECT
public:
    TTaio(ui::Interaction& interaction, QWidget* parent = nullptr);
    void setInteraction(ui::Interaction& interaction) { m_interaction = &interaction; }

    /// Back to the identity (Button3 "リセット").
    void reset();
    /// The open command's set-up for a file of `fileChannels` channels: shows
    /// the window modally and returns the confirmed correspondence, or
    /// nothing when the window was closed without "決定".
    std::optional<data::Correspondence> chooseFor(int fileChannels);
    /// After a read of `channels` channels: true when the graph shows the file
    /// one to one (the window then closes); otherwise the rows in use show the
    /// correspondence.
    bool statusAfterRead(int channels);
    /// Where "ファイル保存" copies from and what it must not overwrite.
    void setFiles(const std::string& reducedFile, const std::string& dataFileName);

    /// Everything the window says about the data on screen. An open that fails
    /// or is refused puts it back: the previous data set stays, and so must
    /// its description.
    struct Memento {
        data::Correspondence correspondence;
        bool confirmed = false, visible = false;
        std::string reducedFile, dataFileName;
        // The two labels' texts, made again in the language in use.
        std::function<QString()> fileChannels, status;
        QColor statusColor;
        int maximum = 16;
        std::array<bool, 16> rowsEnabled{};
        std::array<bool, 4> buttonsEnabled{};  // Button1 ... Button4
    };
    Memento memento() const;
    void restore(const Memento& m);

    const data::Correspondence& correspondence() const { return m_correspondence; }
    QSpinBox* upDown(int graphChannel) const { return m_upDowns.at(static_cast<std::size_t>(graphChannel - 1)); }

    QLabel* Label18 = nullptr;       // the file's channel count
    QLabel* Label19 = nullptr;       // what to do / the correspondence in use
    QPushButton* Button1 = nullptr;  // "決定": confirm the correspondence
    QPushButton* Button2 = nullptr;  // "閉じる"
    QPushButton* Button3 = nullptr;  // "リセット"
    QPushButton* Button4 = nullptr;  // "ファイル保存": the reduced file under a name of the user's

private:
    void UpDownClick(int graphChannel);  // renumbering from the changed row on
    void Button1Click();
    void Button4Click();
    void showCorrespondence();
    void setStatus(std::function<QString()> text, const QColor& color);
    void setFileChannels(std::function<QString()> text);
    std::function<QString()> m_fileChannelsText, m_statusText;

    ui::Interaction* m_interaction;
    data::Correspondence m_correspondence = data::Correspondence::identity();
    std::array<QSpinBox*, 16> m_upDowns{};  // UpDown1 ... UpDown16 with their edit boxes
    std::array<QLabel*, 16> m_labels{};     // Label1 ... Label16: "1 CH" ... "16 CH"
    bool m_confirmed = false;
    std::string m_reducedFile, m_dataFileName;
};

}  // namespace kvx::app
