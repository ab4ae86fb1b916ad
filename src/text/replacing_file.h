// Files that replace an existing one only when they are complete: written
// under a temporary name beside the target and renamed over it at the end,
// so a failed write (full disk, removed stick) never leaves a cut file in
// place of a good one.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace kvx::text {

class ReplacingFile {
public:
    ReplacingFile() = default;
    explicit ReplacingFile(const std::string& path) { open(path); }
    ~ReplacingFile() { abandon(); }
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    /// Creates the temporary file; false when it cannot be created.
    bool open(const std::string& path);
    bool isOpen() const { return m_file != nullptr; }
    /// False once any write has failed.
    bool write(std::string_view bytes);
    bool ok() const { return m_file != nullptr && m_ok; }
    /// Flushes, closes and renames over the target. False (and the target
    /// untouched) when anything failed.
    bool commit();
    /// Removes the temporary file; the target stays as it was.
    void abandon();
    /// The temporary file's stream, for writers that need one (libpng).
    std::FILE* stream() { return m_file; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path, m_temp;
    std::FILE* m_file = nullptr;
    bool m_ok = true;
};

/// Writes `content` as the whole new content of `path` through a ReplacingFile.
bool replaceFile(const std::string& path, std::string_view content);

}  // namespace kvx::text
