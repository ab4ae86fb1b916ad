// Which file channel each of the 16 graph channels shows, for files of more
// than 16 channels, and the reduced file "_tempfile.csv" built from it.
#pragma once

#include "ui/interaction.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kvx::data {

struct Correspondence {
    std::array<int, 16> entries{};  // entry k-1: file channel (from 1) shown as graph channel k
    int fileChannelCount = 16;
    int listed = 16;  // graph channels given (a batch --map list may name fewer than 16)

    /// The identity 1 ... 16.
    static Correspondence identity(int fileChannelCount = 16);
    /// Graph channel k (from 1) shows file channel v; the channels after it
    /// follow on consecutively, held at the file's last channel.
    void renumber(int k, int v);
    /// Graph channels from 1 up to the first showing the file's last channel; 16 when none does.
    int channelsInUse() const;
    /// True when graph channels 1 ... n show file channels 1 ... n.
    bool isIdentity(int n) const;
};

/// The columns of `correspondence` from a wide file's bytes, line by line
/// (lines cut as the file reader cuts them, fields split at commas, blanks
/// before each field skipped): the reduced file's text. A line without a
/// chosen column is refused with a message naming it, and nothing is returned.
std::optional<std::string> reduceColumns(std::string_view bytes, const Correspondence& correspondence,
                                         ui::Interaction& ia);

/// Writes the reduced text of `dataFileName` to `reducedPath` (replacing it
/// only when complete); false, after telling `ia`, when the file cannot be
/// opened, a line is refused or the reduced file cannot be written.
bool buildReducedFile(const std::string& dataFileName, const std::string& reducedPath,
                      const Correspondence& correspondence, ui::Interaction& ia);

/// The correspondence window's save: refuses the data file's own name, appends
/// ".csv" to a name without extension, copies the reduced file unchanged.
bool saveReducedFile(const std::string& reducedPath, std::string target, const std::string& dataFileName,
                     ui::Interaction& ia);

}  // namespace kvx::data
