// Conversions between the core's texts (CP932 bytes or UTF-8 in std::string)
// and QString, used only where texts meet widgets, images and dialogs.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kvx::app {

/// Texts read from data files (CP932 bytes); undecodable bytes become U+FFFD.
QString fromCp932(std::string_view cp932);
/// Texts going into files; characters CP932 lacks become '?'.
std::string toCp932(const QString& text);

/// Program texts (messages, captions), which the core keeps in UTF-8.
inline QString fromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string toUtf8(const QString& text) { return text.toStdString(); }

/// File system paths as the core passes them to the C library (local 8-bit).
QString fromPath(const std::string& path);
std::string toPath(const QString& path);

}  // namespace kvx::app
