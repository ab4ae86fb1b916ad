// ELASTO.CSV: characteristic values and the bilinear model, one row per
// evaluation, in a file opened (and emptied) at start-up and kept open.
#pragma once

#include <cstdio>
#include <string>

namespace kvx::analysis {

/// The header line, written once when the file is opened.
extern const char* const kElastoHeader;

class ElastoFile {
public:
    ElastoFile() = default;
    ~ElastoFile() { close(); }
    ElastoFile(const ElastoFile&) = delete;
    ElastoFile& operator=(const ElastoFile&) = delete;

    /// Creates (or empties) "<directory>ELASTO.CSV" and writes the header.
    /// False when the file cannot be created or written.
    bool open(const std::string& directory);
    bool isOpen() const { return m_file != nullptr; }
    const std::string& path() const { return m_path; }
    /// Appends `line` (CP932, ending in a line feed) and flushes, so the rows
    /// survive a crash. False when the write failed.
    bool append(const std::string& line);
    void close();

private:
    std::FILE* m_file = nullptr;
    std::string m_path;
};

}  // namespace kvx::analysis
