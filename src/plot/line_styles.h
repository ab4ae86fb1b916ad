// Per-channel drawing styles: colour, bold line, mark. The live table is what
// all drawing reads; the defaults are kept beside it for the reset command.
#pragma once

#include "plot/canvas.h"

#include <array>
#include <cstdint>

namespace kvx::plot {

inline constexpr std::array<Rgb, 16> kDefaultChannelColors = {
    Rgb::fromHex(0x0000FF), Rgb::fromHex(0xFF0000), Rgb::fromHex(0xFF00FF), Rgb::fromHex(0x008000),
    Rgb::fromHex(0x00FFFF), Rgb::fromHex(0xFFFF00), Rgb::fromHex(0x000000), Rgb::fromHex(0x800080),
    Rgb::fromHex(0x800000), Rgb::fromHex(0x808000), Rgb::fromHex(0x000080), Rgb::fromHex(0x008080),
    Rgb::fromHex(0x00FF00), Rgb::fromHex(0x808080), Rgb::fromHex(0xEE6677), Rgb::fromHex(0xC0C0C0)};

struct LineStyles {
    std::array<Rgb, 16> ChannelColors = kDefaultChannelColors;        // index 0 = channel 1
    std::array<Rgb, 16> DefaultChannelColors = kDefaultChannelColors;
    std::array<std::uint8_t, 16> ChannelBold{};
    std::array<std::uint8_t, 16> ChannelMarks{};

    /// Start-up state: default colours, no bold lines, no marks.
    void reset() { *this = LineStyles{}; }
};

/// Channels whose default background is light (aqua, yellow, lime) get black
/// check-box text instead of white. `channel` counts from 1.
constexpr bool hasDarkCaption(int channel) { return channel == 5 || channel == 6 || channel == 13; }

}  // namespace kvx::plot
