#pragma once

#include "core/IniDocument.h"

#include <QString>
#include <functional>

namespace velkaris {

class TUserNotifier;
class TUserRegistry;

/// Asks the user a Yes/No question; true only for Yes. The application shows a message
/// box; nothing below the windows does.
using TAskYesNo = std::function<bool(const QString& question)>;

/// The settings store: the whole settings file held in memory for the run, with typed
/// reads and writes by section and key.
///
/// Writes change memory only; the file is written by `SaveStore` (at the end of the run)
/// and copied by `SaveSettingsToFile`. Every file is written through a temporary file
/// that is renamed over the target, so a failing write leaves the old file whole. The
/// store is used from the user-interface thread only.
class TSettingsINIFileLoader {
public:
    /// An empty store bound to no file and to no registry (the command-line tool, tests):
    /// reads give their defaults until something is written.
    TSettingsINIFileLoader() = default;
    /// A store for the settings of the program folder `programFolder`. `registry` keeps
    /// the path of the settings file in use; `notifier` tells the user about a failed
    /// save. Neither is owned; both may be null.
    TSettingsINIFileLoader(const QString& programFolder, TUserRegistry* registry,
                           TUserNotifier* notifier);

    /// `<program folder>/data/settings.ini`.
    QString DefaultSettingsFile() const;

    /// The settings file to use: the registry's SettingsFileNameAndPath, trimmed, when it
    /// names an existing file, else `DefaultSettingsFile()`. An empty or missing registry
    /// value is replaced by the default path; a value naming a missing file is kept.
    QString ResolveSettingsFile();

    /// Reads `path` into the store and binds the store to it; a file that does not exist
    /// gives an empty store. False, with the store and its path unchanged, when `path`
    /// is empty or names something that cannot be read, so that a settings file which
    /// could not be read is never overwritten at the end of the run.
    bool OpenStore(const QString& path);

    /// The start-up step: resolves the settings file, opens it, and writes the defaults
    /// without asking when the store has no chkbZodiakusJelek section (a first start or a
    /// damaged file). False when the settings file could not be read; the store then
    /// holds the defaults but is bound to no file.
    bool OpenAtStartUp();

    /// Records `path` in the registry as the settings file in use. False when there is no
    /// registry or it cannot be written.
    bool RememberSettingsFile(const QString& path);

    /// The file the store is bound to; empty when it is bound to none.
    const QString& FileName() const { return m_Store.FileName(); }

    /// True only when the integer reading of the value (with `fallback` as 0 or 1) is
    /// exactly 1: "2" and "true" read false.
    bool ReadBool(const QString& section, const QString& key, bool fallback = false) const;
    /// Decimal, or hexadecimal after "0x"; `fallback` for a missing or malformed value.
    int ReadInteger(const QString& section, const QString& key, int fallback = 0) const;
    /// Decimal with "," or "." as separator; `fallback` when missing, empty or unreadable.
    double ReadFloat(const QString& section, const QString& key, double fallback) const;
    /// The text after "="; `fallback` when the key is missing.
    QString ReadString(const QString& section, const QString& key,
                       const QString& fallback = {}) const;

    /// Writes "1" or "0".
    void WriteBool(const QString& section, const QString& key, bool value);
    /// Writes decimal digits, "-" for negatives.
    void WriteInteger(const QString& section, const QString& key, int value);
    /// Shortest decimal form with the decimal separator of the user's locale.
    void WriteFloat(const QString& section, const QString& key, double value);
    /// Sets the value; a new key goes to the end of its section, a new section to the end
    /// of the store.
    void WriteString(const QString& section, const QString& key, const QString& value);

    /// Section names match without regard to letter case.
    bool SectionExists(const QString& section) const;

    /// Writes the store to its file, creating the file's folder when missing. On failure
    /// (also when the store is bound to no file) the old file stays as it was, the user
    /// is shown uZentavoFileHandling_SaveSettingsError and the result is false.
    bool SaveStore();

    /// Writes every default value of the settings in their fixed order; keys that have
    /// no default keep their values. Changes memory only.
    void RestoreDefaults();
    /// Asks uZentavoMain_RestoreSettingsQuestion through `ask` and restores the defaults
    /// only on Yes. True when the defaults were written (the caller then recalculates
    /// and redraws the open charts); false for No or a null `ask`.
    bool RestoreDefaultsAfterAsking(const TAskYesNo& ask);

    /// Replaces the whole store with the content of `path` and makes it the settings
    /// file in use (bound and remembered in the registry); unsaved changes are dropped.
    /// False, with the store unchanged, when `path` is not an existing readable file.
    bool LoadSettingsFromFile(const QString& path);
    /// Writes a copy of the store to `path`; the store stays bound to the file in use.
    /// On failure the user is shown uZentavoFileHandling_SaveSettingsError and the
    /// result is false.
    bool SaveSettingsToFile(const QString& path);

private:
    bool WriteStoreTo(const QString& path);

    QString m_ProgramFolder;
    TUserRegistry* m_Registry = nullptr;
    TUserNotifier* m_Notifier = nullptr;
    TIniDocument m_Store;
};

} // namespace velkaris
