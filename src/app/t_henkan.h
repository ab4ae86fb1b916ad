// The conversion window "変形角に変換": displacement channels of the data set
// into deformation angles, collected in the slots of the converted data set,
// drawn against the force channel and saved as standard files.
#pragma once

#include "app/opening_state.h"
#include "data/angle_conversion.h"
#include "ui/interaction.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kvx::app {

class RadioGroup;

class THenkan : public QDialog {
    Q_OBJECT
public:
    THenkan(OpeningState& state, ui::Interaction& interaction, QWidget* parent = nullptr);
    void setInteraction(ui::Interaction& interaction) { m_interaction = &interaction; }

    const data::ConversionSlots& conversionSlots() const { return m_slots; }
    /// The slot k that receives the next conversion (position of UpDown4).
    int slot() const;

    RadioGroup* RadioGroup1 = nullptr;  // "変換式": A (two channels) or B (one channel)
    QSpinBox* Edit1 = nullptr;          // formula A: channel a (with its arrows UpDown1)
    RadioGroup* RadioGroup2 = nullptr;  // formula A: sign of channel a
    QSpinBox* Edit2 = nullptr;          // formula A: channel b (UpDown2)
    RadioGroup* RadioGroup3 = nullptr;  // formula A: sign of channel b
    QLineEdit* Edit3 = nullptr;         // formula A: divisor L
    QSpinBox* Edit4 = nullptr;          // formula B: channel c (UpDown3)
    RadioGroup* RadioGroup4 = nullptr;  // formula B: sign of channel c
    QLineEdit* Edit5 = nullptr;         // formula B: offset d
    QLineEdit* Edit6 = nullptr;         // formula B: divisor L
    QSpinBox* Edit7 = nullptr;          // slot k receiving the result (UpDown4)
    QLineEdit* Edit9 = nullptr;         // point name of the converted channel
    QLineEdit* Edit10 = nullptr;        // unit of the converted channel
    QLabel* Label17 = nullptr;          // status: "O" per converted slot
    QPushButton* Button1 = nullptr;     // "変換"
    QPushButton* Button2 = nullptr;     // "個別保存": force and converted channels
    QPushButton* Button3 = nullptr;     // "追加保存": all channels, converted ones appended
    QPushButton* Button4 = nullptr;     // "グラフ": draw slot k
    QPushButton* Button5 = nullptr;     // "リセット"
    QPushButton* Button6 = nullptr;     // "閉じる"

signals:
    /// Draw graph channel `graphChannel` of the converted data set against its force column.
    void drawRequested(int graphChannel);

public slots:
    void RadioGroup1Click(int item);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();

private:
    void buildControls();
    void connectSignals();
    void FormCreate();
    /// The formula as the controls hold it; nothing (after telling the user)
    /// when an edit box holds no usable number.
    std::optional<data::AngleFormulaSettings> readFormula();
    std::optional<std::string> chooseSaveFile();
    void showStatus();

    OpeningState& m_state;
    ui::Interaction* m_interaction;
    data::ConversionSlots m_slots;
    /// The data set (OpeningState::dataIdentity) each slot was converted from.
    std::array<std::uint64_t, data::kMaxChannels> m_slotSource{};
};

}  // namespace kvx::app
