// Temporary file + rename.
#include "text/replacing_file.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace kvx::text {

bool ReplacingFile::open(const std::string& path) {
    abandon();
    m_path = path;
    m_ok = true;
    // Beside the target, so the rename stays on one file system.
    const std::filesystem::path target(path);
    const std::string name = "." + target.filename().string() + ".kvx-" + std::to_string(::getpid()) + ".tmp";
    m_temp = (target.parent_path() / name).string();
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) return false;  // a folder is never replaced
    m_file = std::fopen(m_temp.c_str(), "wb");
    return m_file != nullptr;
}

bool ReplacingFile::write(std::string_view bytes) {
    if (!m_file) return false;
    m_ok = m_ok && std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size();
    return m_ok;
}

bool ReplacingFile::commit() {
    if (!m_file) return false;
    bool ok = m_ok && std::fflush(m_file) == 0 && ::fsync(::fileno(m_file)) == 0;
    ok = (std::fclose(m_file) == 0) && ok;
    m_file = nullptr;
    if (ok) ok = std::rename(m_temp.c_str(), m_path.c_str()) == 0;
    if (!ok) std::remove(m_temp.c_str());
    m_temp.clear();
    return ok;
}

void ReplacingFile::abandon() {
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temp.empty()) std::remove(m_temp.c_str());
    m_temp.clear();
}

bool replaceFile(const std::string& path, std::string_view content) {
    ReplacingFile f(path);
    if (!f.isOpen()) return false;
    f.write(content);
    return f.commit();
}

}  // namespace kvx::text
