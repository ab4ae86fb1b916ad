// LOOP.CSV: one line per loop shown in loop mode, in the data file's folder.
// Its four header lines make it read back as a standard data file.
#pragma once

#include "analysis/loop_metrics.h"
#include "text/replacing_file.h"

#include <string>

namespace kvx::analysis {

class LoopFile {
public:
    LoopFile() = default;
    ~LoopFile() = default;  // an unclosed file is abandoned: the older LOOP.CSV stays
    LoopFile(const LoopFile&) = delete;
    LoopFile& operator=(const LoopFile&) = delete;

    /// Creates (or empties) "<directory>LOOP.CSV" with its four header lines.
    bool open(const std::string& directory);
    bool isOpen() const { return m_file.isOpen(); }
    const std::string& path() const { return m_path; }
    /// Appends the loop's line; loops without a stiffness are not written.
    /// False when writing failed.
    bool write(const LoopValues& v);
    /// Completes the file (it replaces an older LOOP.CSV only now); false
    /// when a write failed, and the older file is then kept.
    bool close();

    /// The line written for a loop (CP932 is plain ASCII here).
    static std::string line(const LoopValues& v);
    static std::string header();

private:
    text::ReplacingFile m_file;
    std::string m_path;
    bool m_ok = true;
};

}  // namespace kvx::analysis
