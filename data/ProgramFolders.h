#pragma once

#include <QString>
#include <optional>

namespace velkaris {

/// The folders the program works with: the home folder (the user's charts, settings and
/// tables; the only place the program writes) and the shipped data folder (read-only
/// tables, fonts and language files).
class TProgramFolders {
public:
    /// Home folder from `homeSwitch` (the --home switch) when not empty, else from the
    /// environment variable VELKARIS_HOME, else ~/.local/share/velkaris.
    static TProgramFolders Resolve(const QString& homeSwitch = {});

    const QString& Home() const { return m_Home; }
    const QString& Shipped() const { return m_Shipped; }

    /// Creates data/, hors/, hors/docs/, hors/images/ and hors/import/ below the home
    /// folder; the first folder that cannot be made, or nullopt when all exist.
    std::optional<QString> EnsureHomeLayout() const;

    /// The table file `fileName` of the data folder: `<home>/data/<fileName>` when that
    /// file exists, else the shipped `<shipped>/data/<fileName>` (which may not exist).
    QString DataFilePath(const QString& fileName) const;

    /// The ephemeris search path: <home>/data/sweph, <shipped>/sweph and the system's
    /// ephemeris folder, separated by ':'.
    QString EphemerisPath() const;

private:
    QString m_Home;
    QString m_Shipped;
};

} // namespace velkaris
