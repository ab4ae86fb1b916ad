// Arbitrary bytes as a line-colour (.clr) file, applied to the styles.
#include "fuzz_support.h"
#include "plot/clr_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = kvx::plot::readClrFile(kvx::fuzz::writeInput(data, size, "styles.clr"));
    kvx::plot::LineStyles styles;
    kvx::plot::applyClr(styles, read);
    kvx::plot::clrReadMessage(read, "styles.clr");
    for (const auto& c : styles.ChannelColors) (void)c;
    return 0;
}
