// kurvadex-batch: the program's evaluations from a shell, without windows.
#include "batch/batch_interaction.h"
#include "batch/batch_options.h"
#include "batch/batch_run.h"

#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
    std::setlocale(LC_NUMERIC, "C");
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = kvx::batch::parseOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "kurvadex-batch: %s\n%s", parsed.error.c_str(), kvx::batch::usageText());
        return 2;
    }
    if (parsed.options->help) {
        std::fputs(kvx::batch::usageText(), stdout);
        return 0;
    }
    kvx::batch::BatchInteraction ia(parsed.options->continueWithoutForce);
    const auto result = kvx::batch::runBatch(*parsed.options, ia);
    std::fputs(result.output.c_str(), stdout);
    return result.exitCode;
}
