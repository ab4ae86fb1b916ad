// Deformation-angle conversion: displacement channels of the data set turned
// into angle channels, collected in the slots of a second data set whose
// column 0 holds the force channel.
#pragma once

#include "data/measurement_data.h"
#include "data/standard_csv_writer.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kvx::data {

enum class AngleFormula {
    A,  // (sa * v[a] + sb * v[b]) / L: two displacements, e.g. top minus bottom
    B,  // (sc * v[c] + d) / L: one displacement with an offset
};

/// The formula and its operands as the conversion window holds them.
/// Channels count from 1; signs are +1 or -1.
struct AngleFormulaSettings {
    AngleFormula formula = AngleFormula::A;
    int channelA = 2;
    int signA = +1;
    int channelB = 3;
    int signB = -1;
    int divisorA = 2730;  // L of formula A
    int channelC = 2;
    int signC = +1;
    float offsetD = 0.0f;  // d, already rounded to single precision
    int divisorB = 2730;   // L of formula B
};

/// Slots 1 ... 15 receive converted channels (column 0 is the force channel).
inline constexpr int kMaxConversionSlot = kMaxChannels - 1;

/// Which slots hold a converted channel.
class ConversionSlots {
public:
    bool converted(int slot) const { return slot >= 1 && slot <= kMaxConversionSlot && m_converted[index(slot)]; }
    /// Conversions made since the last reset (a slot converted twice counts twice).
    int conversionCount() const { return m_count; }
    /// 16 characters, "X" per slot, "O" where slot k (character k - 1) is converted.
    std::string statusText() const;
    /// Highest converted slot, 0 when none.
    int highestSlot() const;
    /// Highest slot the window lets the user choose: one past the highest
    /// converted slot, so slots fill in order; never beyond slot 15.
    int selectableSlots() const;
    /// Converted slots in ascending order.
    std::vector<int> convertedSlots() const;
    void mark(int slot);
    void reset() { *this = ConversionSlots{}; }

private:
    static std::size_t index(int slot) { return static_cast<std::size_t>(slot - 1); }
    std::array<bool, kMaxConversionSlot> m_converted{};
    int m_count = 0;
};

/// Why a conversion cannot run, as the message the user sees (UTF-8); nothing
/// when it can. Checks the divisor, the channels against the data set and the
/// force channel.
std::optional<std::string> conversionRefusal(const MeasurementData& data, const AngleFormulaSettings& settings);

/// The converted value of row `row` (from 0): formed in extended precision
/// from the single-precision operands, divided by L, rounded to single.
/// The settings must have passed conversionRefusal.
float convertedValue(const MeasurementData& data, const AngleFormulaSettings& settings, int row);

/// Texts of the converted channel: CP932, cut to the header's field sizes.
struct ConvertedChannelTexts {
    std::string pointName;
    std::string unit;
};

/// Converts every row into column `slot` of `converted`, copies the force
/// column into column 0 with its header texts, names the slot and marks it.
/// The settings must have passed conversionRefusal; slot is 1 ... 15.
void convertIntoSlot(const MeasurementData& data, const AngleFormulaSettings& settings, int slot,
                     const ConvertedChannelTexts& texts, MeasurementData& converted, ConversionSlots& filled);

/// The individual save's columns: the force column, then every converted slot in slot order.
std::vector<ConvertedColumn> individualSaveColumns(const MeasurementData& converted, const ConversionSlots& filled);

/// The append save's columns: every channel of the data set, then every converted slot.
std::vector<ConvertedColumn> appendSaveColumns(const MeasurementData& data, const MeasurementData& converted,
                                               const ConversionSlots& filled);

}  // namespace kvx::data
