// The line style window "　グラフ線設定": colour, thick line and mark flag of
// the 16 graph channels, the default colours, and .clr files.
#pragma once

#include "plot/line_styles.h"
#include "ui/interaction.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kvx::app {

class TSettei : public QDialog {
    Q_OBJECT
public:
    TSettei(plot::LineStyles& styles, ui::Interaction& interaction, QWidget* parent = nullptr);
    void setInteraction(ui::Interaction& interaction) { m_interaction = &interaction; }

    /// Opening the window (modeless): only the rows of the file's
    /// `channelCount` channels can be changed.
    void showFor(int channelCount);

    /// Row controls of channel 1 ... 16.
    QPushButton* colorButton(int channel) const { return m_colorButtons.at(index(channel)); }  // Button1 ... 16: "..."
    QCheckBox* boldBox(int channel) const { return m_boldBoxes.at(index(channel)); }          // CheckBox1 ... 16: "太線"
    QCheckBox* markBox(int channel) const { return m_markBoxes.at(index(channel)); }          // CheckBox17 ... 32: "記号"
    QLabel* channelLabel(int channel) const { return m_labels.at(index(channel)); }           // " 1 CH" ... "16 CH"
    QLabel* sample(int channel) const { return m_samples.at(index(channel)); }                // the line as drawn

    QPushButton* Button17 = nullptr;  // "閉じる(&C)"
    QPushButton* Button18 = nullptr;  // "保存(&S)": write a .clr file
    QPushButton* Button19 = nullptr;  // "規定色(&D)": the default colours
    QPushButton* Button20 = nullptr;  // "読込(&R)": read a .clr file

signals:
    /// A colour was chosen (or the chooser closed) or a file was read: the
    /// main window recolours its channel boxes.
    void colorsChanged();
    /// The default colours are back: the main window re-initialises its channel boxes.
    void defaultsRestored();

private slots:
    void ColorButtonClick();  // Button1 ... Button16, channel from the sender's name
    void BoldBoxClick();      // CheckBox1 ... CheckBox16, channel from the sender's name
    void Button17Click();
    void Button18Click();
    void Button19Click();
    void Button20Click();

private:
    static std::size_t index(int channel) { return static_cast<std::size_t>(channel - 1); }
    void buildControls();
    void drawSample(int channel);
    /// Channel number at the end of a control's name ("Button12" -> 12), 0 when none.
    static int channelOfSender(const QObject* sender, const char* prefix);

    plot::LineStyles& m_styles;
    ui::Interaction* m_interaction;
    std::array<QLabel*, 16> m_labels{};
    std::array<QLabel*, 16> m_samples{};
    std::array<QPushButton*, 16> m_colorButtons{};
    std::array<QCheckBox*, 16> m_boldBoxes{};
    std::array<QCheckBox*, 16> m_markBoxes{};
};

}  // namespace kvx::app
