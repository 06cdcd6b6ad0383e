#pragma once

#include "data/SettingsINIFileLoader.h"
#include "data/SettingsProvider.h"

namespace velkaris {

class TProgramFolders;

/// The settings of the home folder as the command-line tool uses them: read from
/// `<home>/data/settings.ini` (the defaults when there is none), changed only in memory,
/// never written back.
class TCliSettings {
public:
    explicit TCliSettings(const TProgramFolders& folders);

    /// Overrides the house system and the zodiac for this run; empty keeps the setting.
    void Override(const QString& houseSystem, const QString& zodiac);

    const TSettingsProvider& Provider() const { return m_Provider; }
    TSettingsINIFileLoader& Store() { return m_Store; }

private:
    TSettingsINIFileLoader m_Store;
    TSettingsProvider m_Provider;
};

} // namespace velkaris
