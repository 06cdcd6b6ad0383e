#pragma once

#include <QLatin1StringView>
#include <QString>
#include <optional>

namespace velkaris {

/// Key paths and value names the program keeps in the per-user registry.
namespace RegistryKey {
inline constexpr QLatin1StringView SettingsFile{"Software/Velkaris/SettingsFile"};
/// Full path of the settings file in use, under `SettingsFile`.
inline constexpr QLatin1StringView SettingsFileNameAndPath{"SettingsFileNameAndPath"};
inline constexpr QLatin1StringView LastOpenedFiles{"Software/Velkaris/LastOpenedFiles"};
} // namespace RegistryKey

/// The per-user registry: named strings filed under key paths, kept in one INI file with
/// the key path as the section name.
///
/// Every call reads the file afresh, so two objects on the same file (the settings store
/// and the recent-files list) never overwrite each other's values. Key paths are compared
/// without regard to letter case; "\" separators and surrounding separators are accepted
/// ("\Software\Velkaris\SettingsFile\" is "Software/Velkaris/SettingsFile").
class TUserRegistry {
public:
    /// The registry of the current user, at DefaultFilePath().
    TUserRegistry();
    /// A registry kept in `filePath`.
    explicit TUserRegistry(const QString& filePath);

    /// `$XDG_CONFIG_HOME/velkaris/registry.ini`; `~/.config/velkaris/registry.ini` when
    /// the variable is unset or not an absolute path.
    static QString DefaultFilePath();

    /// The INI file the registry is kept in.
    const QString& FilePath() const { return m_FilePath; }

    /// The value `name` under `keyPath`; empty when the file, the key or the value is
    /// missing or the file cannot be read.
    QString ReadString(const QString& keyPath, const QString& name) const;

    /// Sets `name` under `keyPath` to `value` and writes the file through a temporary
    /// file, creating its folder when missing. The system's error text when the folder
    /// cannot be made or the file cannot be read or written (the file is then left as
    /// it was); nullopt on success.
    std::optional<QString> WriteString(const QString& keyPath, const QString& name,
                                       const QString& value);

private:
    QString m_FilePath;
};

} // namespace velkaris
