// Shared bits of the fuzz targets: the input as a file, and an Interaction
// that answers every question with OK and says nothing.
#pragma once

#include "ui/interaction.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace kvx::fuzz {

class QuietInteraction : public ui::Interaction {
public:
    void message(std::string_view, std::string_view, ui::Icon) override {}
    ui::Answer ask(std::string_view, std::string_view, ui::Buttons buttons, ui::Icon) override {
        return buttons == ui::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
    }
    std::optional<std::string> chooseOpenFile(const ui::FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveFile(const ui::FileDialogRequest&) override { return std::nullopt; }
};

/// A folder of this process for the input and the files the readers write beside it.
inline const std::string& workDir() {
    static const std::string dir = [] {
        char name[] = "/tmp/kvx-fuzz-XXXXXX";
        const char* made = mkdtemp(name);
        return std::string(made ? made : "/tmp") + "/";
    }();
    return dir;
}

inline std::string writeInput(const std::uint8_t* data, std::size_t size, const char* name = "input.dat") {
    const std::string path = workDir() + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return path;
}

/// No text written by the program may carry a NaN or an infinity.
inline void assertFinite(const std::string& text) {
    for (const char* bad : {"nan", "inf", "NAN", "INF"})
        if (text.find(bad) != std::string::npos) __builtin_trap();
}

}  // namespace kvx::fuzz
