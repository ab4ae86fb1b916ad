// The program's settings (last folders, the import's choices, the language).
#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace kvx::app {

/// The user's settings, or the file set by `setSettingsFile`.
std::unique_ptr<QSettings> openSettings();
/// Points the settings at a file of their own (tests); empty restores the user's.
void setSettingsFile(const QString& path);

}  // namespace kvx::app
