// Arbitrary bytes as a line-colour (.clr) file, applied to the styles.
#include "fuzz_support.h"
#include "plot/clr_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kvx;
    const plot::ClrReadResult read = plot::parseClr(fuzz::bytesOf(data, size));
    const auto good = read.entries.size();
    if (good > static_cast<std::size_t>(plot::kClrLines)) __builtin_trap();
    if ((read.status == plot::ClrStatus::Ok) != (good == static_cast<std::size_t>(plot::kClrLines))) __builtin_trap();
    if (read.status == plot::ClrStatus::Malformed && read.lineNumber != static_cast<int>(good) + 1) __builtin_trap();
    plot::LineStyles styles;
    if (plot::applyClr(styles, read) != static_cast<int>(good)) __builtin_trap();
    // What was read writes back as the same lines.
    if (read.status == plot::ClrStatus::Ok && plot::parseClr(plot::formatClr(styles)).entries != read.entries)
        __builtin_trap();
    (void)plot::clrReadMessage(read, "styles.clr");
    return 0;
}
