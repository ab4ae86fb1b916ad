// Deformation-angle conversion and its slot bookkeeping.
#include "data/angle_conversion.h"

#include "text/cp932.h"
#include "text/printf.h"
#include "text/translate.h"

#include <algorithm>
#include <cassert>

namespace kvx::data {
namespace {

bool isChannelOf(const MeasurementData& data, int channel) { return channel >= 1 && channel <= data.channelCount(); }

std::size_t at(int column) { return static_cast<std::size_t>(column); }

}  // namespace

std::string ConversionSlots::statusText() const {
    std::string status(kMaxChannels, 'X');
    for (int slot = 1; slot <= kMaxConversionSlot; ++slot)
        if (converted(slot)) status[index(slot)] = 'O';
    return status;
}

int ConversionSlots::highestSlot() const {
    for (int slot = kMaxConversionSlot; slot >= 1; --slot)
        if (converted(slot)) return slot;
    return 0;
}

int ConversionSlots::selectableSlots() const { return std::min(highestSlot() + 1, kMaxConversionSlot); }

std::vector<int> ConversionSlots::convertedSlots() const {
    std::vector<int> slots;
    for (int slot = 1; slot <= kMaxConversionSlot; ++slot)
        if (converted(slot)) slots.push_back(slot);
    return slots;
}

void ConversionSlots::mark(int slot) {
    assert(slot >= 1 && slot <= kMaxConversionSlot);
    m_converted[index(slot)] = true;
    ++m_count;
}

std::optional<std::string> conversionRefusal(const MeasurementData& data, const AngleFormulaSettings& s) {
    const bool formulaA = s.formula == AngleFormula::A;
    if ((formulaA ? s.divisorA : s.divisorB) == 0) return text::translate("kvx::data", "変換式の L に 0 は指定できません");
    const int n = data.channelCount();
    const auto beyond = [n](int channel) {
        return text::format(text::translate("kvx::data", "チャンネル %d はデータにありません（1 ～ %d CH）").c_str(), channel, n);
    };
    if (formulaA) {
        if (!isChannelOf(data, s.channelA)) return beyond(s.channelA);
        if (!isChannelOf(data, s.channelB)) return beyond(s.channelB);
    } else if (!isChannelOf(data, s.channelC)) {
        return beyond(s.channelC);
    }
    // Column 0 of the converted set is the force the angles are drawn against.
    if (data.ForceChannel < 0 || data.ForceChannel >= n) return text::translate("kvx::data", "力の単位 (kN / kg) のチャンネルがないため変換できません");
    return std::nullopt;
}

float convertedValue(const MeasurementData& data, const AngleFormulaSettings& s, int row) {
    // Extended precision for the sum and the division, one rounding at the end.
    using Wide = long double;
    const auto term = [&](int sign, int channel) {
        return static_cast<Wide>(sign) * static_cast<Wide>(data.value(row, channel - 1));
    };
    if (s.formula == AngleFormula::A)
        return static_cast<float>((term(s.signA, s.channelA) + term(s.signB, s.channelB)) / static_cast<Wide>(s.divisorA));
    return static_cast<float>((term(s.signC, s.channelC) + static_cast<Wide>(s.offsetD)) / static_cast<Wide>(s.divisorB));
}

void convertIntoSlot(const MeasurementData& data, const AngleFormulaSettings& s, int slot,
                     const ConvertedChannelTexts& texts, MeasurementData& converted, ConversionSlots& filled) {
    assert(!conversionRefusal(data, s));
    assert(slot >= 1 && slot <= kMaxConversionSlot);
    const int force = data.ForceChannel;
    converted.RowCount = data.RowCount;
    for (int r = 0; r < data.RowCount; ++r) {
        converted.cell(r, slot) = convertedValue(data, s, r);
        converted.cell(r, 0) = data.value(r, force);
    }
    ChannelHeader& h = converted.header;
    const ChannelHeader& source = data.header;
    h.channelNumbers[at(0)] = source.channelNumbers[at(force)];
    h.pointNames[at(0)] = source.pointNames[at(force)];
    h.instrumentNames[at(0)] = source.instrumentNames[at(force)];
    h.units[at(0)] = source.units[at(force)];
    h.channelNumbers[at(slot)] = 0;
    h.pointNames[at(slot)] = std::string(text::truncateCp932(texts.pointName, kNameBytes));
    h.instrumentNames[at(slot)].clear();
    h.units[at(slot)] = std::string(text::truncateCp932(texts.unit, kUnitBytes));
    converted.ForceChannel = 0;
    filled.mark(slot);
    // Every converted slot stays within the channel count, also when a lower
    // slot is converted again last.
    h.ChannelCount = filled.highestSlot() + 1;
}

std::vector<ConvertedColumn> individualSaveColumns(const MeasurementData& converted, const ConversionSlots& filled) {
    std::vector<ConvertedColumn> columns{{&converted, 0}};
    for (const int slot : filled.convertedSlots()) columns.push_back({&converted, slot});
    return columns;
}

std::vector<ConvertedColumn> appendSaveColumns(const MeasurementData& data, const MeasurementData& converted,
                                               const ConversionSlots& filled) {
    std::vector<ConvertedColumn> columns;
    for (int c = 0; c < data.channelCount(); ++c) columns.push_back({&data, c, true});
    for (const int slot : filled.convertedSlots()) columns.push_back({&converted, slot});
    return columns;
}

}  // namespace kvx::data
