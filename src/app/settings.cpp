#include "app/settings.h"

namespace kvx::app {
namespace {

QString& settingsFileOverride() {
    static QString path;
    return path;
}

}  // namespace

std::unique_ptr<QSettings> openSettings() {
    const QString& file = settingsFileOverride();
    if (!file.isEmpty()) return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Kurvadex"), QStringLiteral("kurvadex"));
}

void setSettingsFile(const QString& path) { settingsFileOverride() = path; }

}  // namespace kvx::app
