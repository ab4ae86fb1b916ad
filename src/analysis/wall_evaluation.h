// The wall multiplier evaluation: from the positive side of the skeleton and
// the editor's bilinear model to the allowable capacity Qa and the wall
// multiplier by the current and the former rule, and the result file that
// collects one specimen per row.
#pragma once

#include "analysis/skeleton_curve.h"
#include "analysis/skeleton_editor.h"
#include "data/measurement_data.h"

#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kvx::analysis {

/// Reference angles of the former-rule row: 1/15, 1/30, 1/60, 1/100, 1/120, 1/150.
inline constexpr std::array<int, 6> kReferenceDenominators{15, 30, 60, 100, 120, 150};

/// Where the data came from, for the data-file line and the result rows.
struct WallSource {
    std::string dataFileName;  // name and extension (UTF-8)
    int xChannel = 1;
    int xSign = 1, ySign = 1;  // the polarity factors of the X and Y channels
};

/// The window's state as texts (the edit boxes and labels by their names:
/// "Edit1" ... "Edit31", "Label21", "Label22", "Label51", "Label53" ...
/// "Label56", "Label75", "Label76", the reference-row captions "RowCurrent",
/// "RowFormer", and the stars "StarCurrent0" ... "StarCurrent3" (Py, PRefer,
/// 2/3 Pmax, Pu x 0.2/Ds), "StarFormer0" ... "StarFormer2" (PRefer, 2/3 Pmax, P gm/2)).
/// Texts are UTF-8. Numbers are single precision where the window keeps them so.
class WallEvaluation {
public:
    WallEvaluation();

    const std::string& text(const std::string& name) const;
    /// A user edit: the text changes, "再評価" is enabled, and edits of the
    /// quantities that decide Qa ask for a re-evaluation in Label51.
    void edit(const std::string& name, const std::string& text);

    /// "特性値コピー". Fails with a message when the X unit is not "rad".
    std::optional<StepFailure> copy(const SkeletonCurve& curve, const WallHandOff& handOff, const std::string& xUnit,
                                    data::ForceUnit unit, const WallSource& source);
    /// "再評価": reads the edit boxes; a text that is not a number stops it with a message.
    std::optional<StepFailure> reevaluate();
    /// RadioGroup1 item 0 ... 5.
    void setReference(int item);
    int reference() const { return m_reference; }

    /// Unit texts of the load and stiffness labels ("kN" / "kg", "kN/rad" / "kg/rad").
    std::string loadUnit() const;
    std::string stiffnessUnit() const;

    // Button states.
    bool canReevaluate() const { return m_canReevaluate; }
    bool canWrite() const { return m_file != nullptr && m_canWrite; }
    bool fileOpen() const { return m_file != nullptr; }

    /// "ファイル開く" after the dialog: creates the file with its two header lines.
    bool openResultFile(const std::string& path);
    /// For scripts collecting many specimens: adds to an existing result file
    /// without a second header (creates it with the header when it is new or empty).
    bool appendToResultFile(const std::string& path);
    /// "書き出す": one row of 14 fields. False when the write failed.
    bool writeRow();
    /// "ファイル閉じる".
    void closeResultFile();
    ~WallEvaluation() { closeResultFile(); }
    WallEvaluation(const WallEvaluation&) = delete;
    WallEvaluation& operator=(const WallEvaluation&) = delete;

    /// The header lines and the row as written (CP932).
    std::string headerText() const;
    std::string rowText() const;

    /// Numbers of the last re-evaluation, for batch output (nothing where a
    /// value does not exist).
    struct Numbers {
        float Pmax = 0, gm = 0, Pend = 0, gend = 0, Py = 0, gy = 0, Pu = 0, gv = 0, gu = 0, K = 0;
        float P15 = 0, P30 = 0, P60 = 0, P100 = 0, P120 = 0, P150 = 0, Pgm2 = 0, PRefer = 0;
        std::optional<float> mu, Ds, QaCurrent, QaFormer, multiplierCurrent, multiplierFormer, ratio;
        int starCurrent = -1, starFormer = -1;
    };
    const Numbers& numbers() const { return m_numbers; }

private:
    void set(const std::string& name, std::string text) { m_texts[name] = std::move(text); }

    std::map<std::string, std::string> m_texts;
    Numbers m_numbers;
    int m_reference = 4;
    data::ForceUnit m_unit = data::ForceUnit::kN;
    WallSource m_source;
    bool m_canReevaluate = false;
    bool m_canWrite = false;
    std::FILE* m_file = nullptr;
};

/// The general number format of the window's edit boxes (up to 15 significant digits).
std::string generalText(double value);

}  // namespace kvx::analysis
