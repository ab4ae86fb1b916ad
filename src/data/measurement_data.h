// The measured record: channel header texts, the 30,000 x 16 value table, row count.
#pragma once

#include <array>
#include <cassert>
#include <cstring>
#include <string>
#include <vector>

namespace kvx::data {

inline constexpr int kMaxChannels = 16;
inline constexpr int kMaxRows = 30000;
inline constexpr std::size_t kNameBytes = 19;  // point and instrument names
inline constexpr std::size_t kUnitBytes = 9;

/// Force unit chosen in the main window's menu.
enum class ForceUnit { kN, kg };

/// kgf -> kN and back, both single precision as the tables are.
inline constexpr float kKgfToKn = 0.0098f;
inline constexpr float kKnToKgf = 102.04082f;

/// Header texts of a data set. Texts are CP932 bytes as read from the file.
struct ChannelHeader {
    int ChannelCount = 0;                       // 0 ... 16
    std::array<int, kMaxChannels> channelNumbers{};
    std::array<std::string, kMaxChannels> pointNames;       // at most 19 bytes
    std::array<std::string, kMaxChannels> instrumentNames;  // at most 19 bytes
    std::array<std::string, kMaxChannels> units;            // at most 9 bytes, no leading blanks
};

/// One data set. The table always holds 30,000 x 16 cells; only rows
/// 0 ... RowCount-1 and columns 0 ... ChannelCount-1 are meaningful.
class MeasurementData {
public:
    MeasurementData() : ValueTable(static_cast<std::size_t>(kMaxRows) * kMaxChannels, 0.0f) {}

    ChannelHeader header;
    std::vector<float> ValueTable;  // row-major: row r, channel c at r * 16 + c (both from 0)
    int RowCount = 0;
    int ForceChannel = -1;          // column of the applied force, from 0; -1 when none
    float ForceFactor = kKgfToKn;

    int channelCount() const { return header.ChannelCount; }

    /// Every value 0, as in a new data set. One memset: the element loop of
    /// std::fill cost a reader under the fuzzer's instrumentation a millisecond.
    void clearValues() { std::memset(ValueTable.data(), 0, ValueTable.size() * sizeof(float)); }

    float value(int row, int channel) const { return ValueTable[index(row, channel)]; }
    float& cell(int row, int channel) { return ValueTable[index(row, channel)]; }

private:
    static std::size_t index(int row, int channel) {
        assert(row >= 0 && row < kMaxRows && channel >= 0 && channel < kMaxChannels);
        return static_cast<std::size_t>(row) * kMaxChannels + static_cast<std::size_t>(channel);
    }
};

}  // namespace kvx::data
