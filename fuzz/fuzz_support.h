// Shared bits of the fuzz targets: the input as bytes, an Interaction that
// answers every question with OK and says nothing, and the checks every data
// set and written text must pass.
#pragma once

#include "data/measurement_data.h"
#include "ui/interaction.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
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

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

/// One data set for every input, as the window keeps one: a fresh 1.9 MB
/// table per input would cost more than most reads.
inline data::MeasurementData& sharedDataSet() {
    static data::MeasurementData d;
    return d;
}

/// A folder of this process for the files the evaluation writes, removed at
/// exit. In memory when the system has one: the result files are synced on
/// every close, and waiting for the disk halved the evaluation's rate.
inline const std::string& workDir() {
    struct Folder {
        std::string path = [] {
            for (const char* parent : {"/dev/shm", "/tmp"}) {
                std::string name = std::string(parent) + "/kvx-fuzz-XXXXXX";
                if (mkdtemp(name.data())) return name + "/";
            }
            std::fputs("fuzz: no folder for the result files\n", stderr);
            std::abort();
        }();
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder;
    return folder.path;
}

/// A data set the program may hold: counts within the table, header texts
/// within their bytes, and only finite values.
inline void assertSane(const data::MeasurementData& d) {
    if (d.RowCount < 0 || d.RowCount > data::kMaxRows) __builtin_trap();
    if (d.header.ChannelCount < 0 || d.header.ChannelCount > data::kMaxChannels) __builtin_trap();
    for (int c = 0; c < d.header.ChannelCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (d.header.units[i].size() > data::kUnitBytes || d.header.pointNames[i].size() > data::kNameBytes ||
            d.header.instrumentNames[i].size() > data::kNameBytes)
            __builtin_trap();
    }
    for (int row = 0; row < d.RowCount; ++row)
        for (int c = 0; c < d.header.ChannelCount; ++c)
            if (!std::isfinite(d.value(row, c))) __builtin_trap();
}

inline bool sameHeader(const data::ChannelHeader& a, const data::ChannelHeader& b) {
    return a.ChannelCount == b.ChannelCount && a.channelNumbers == b.channelNumbers && a.pointNames == b.pointNames &&
           a.instrumentNames == b.instrumentNames && a.units == b.units;
}

/// A read into the shared data set either fills it with the rows it reports,
/// all sane, or leaves it as it was (its row count and header compared; the
/// values only on success, so that a failed read costs no walk of old rows).
class ReadGuard {
public:
    explicit ReadGuard(const data::MeasurementData& d) : m_d(d), m_rows(d.RowCount), m_header(d.header) {}
    void check(int rowsRead) const {
        if (rowsRead == 0) {
            if (m_d.RowCount != m_rows || !sameHeader(m_d.header, m_header)) __builtin_trap();
            return;
        }
        if (rowsRead != m_d.RowCount) __builtin_trap();
        assertSane(m_d);
    }

private:
    const data::MeasurementData& m_d;
    int m_rows;
    data::ChannelHeader m_header;
};

inline bool showsNonFinite(std::string_view text) {
    for (const char* bad : {"nan", "inf", "NAN", "INF"})
        if (text.find(bad) != std::string_view::npos) return true;
    return false;
}

/// No text written by the program may carry a NaN or an infinity. A header
/// text of the file may spell one (a unit called "nan" is shown as it is), so
/// those texts are blotted out before the check.
inline void assertFinite(const std::string& text, const data::ChannelHeader& fileTexts = {}) {
    if (!showsNonFinite(text)) return;
    std::string rest = text;
    const auto blot = [&rest](const std::string& own) {
        if (own.empty() || !showsNonFinite(own)) return;
        for (std::size_t at = rest.find(own); at != std::string::npos; at = rest.find(own, at))
            rest.replace(at, own.size(), own.size(), '|');
    };
    for (int c = 0; c < fileTexts.ChannelCount && c < data::kMaxChannels; ++c) {
        const auto i = static_cast<std::size_t>(c);
        blot(fileTexts.units[i]);
        blot(fileTexts.pointNames[i]);
        blot(fileTexts.instrumentNames[i]);
    }
    if (showsNonFinite(rest)) {
        std::fprintf(stderr, "non-finite value in a written text:\n%s\n", rest.c_str());
        __builtin_trap();
    }
}

}  // namespace kvx::fuzz
