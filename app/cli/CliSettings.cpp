#include "CliSettings.h"

#include "data/ProgramFolders.h"
#include "data/SettingsKeys.h"

namespace velkaris {

TCliSettings::TCliSettings(const TProgramFolders& folders)
    : m_Store(folders.Home(), nullptr, nullptr), m_Provider(m_Store) {
    // With no registry the settings file is the home folder's own, and the defaults
    // of a first start stay in memory.
    m_Store.OpenAtStartUp();
}

void TCliSettings::Override(const QString& houseSystem, const QString& zodiac) {
    if (!houseSystem.isEmpty())
        m_Store.WriteString(SettingsSection::chkbHazrendszer, SettingsKey::Hazrendszer,
                            houseSystem);
    if (!zodiac.isEmpty())
        m_Store.WriteString(SettingsSection::chkbZodiakus, SettingsKey::Zodiakus, zodiac);
}

} // namespace velkaris
