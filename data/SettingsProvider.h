#pragma once

#include <QString>

namespace velkaris {

/// Typed reads of the settings, one per setting.
///
/// Every read here answers with the value the settings give for a missing key; the
/// settings store overrides them with what the settings file holds.
class TSettingsProvider {
public:
    virtual ~TSettingsProvider() = default;

    /// House-system letter (section chkbHazrendszer, key Hazrendszer); "P" when blank.
    virtual QString GetHouseSystem() const { return QStringLiteral("P"); }
    /// Zodiac letter (chkbZodiakus, Zodiakus): "S" sidereal, anything else tropical.
    virtual QString GetZodiac() const { return {}; }
    /// Selected fixed-star ids separated by "," (chkbFixedStars, SELECTED_STARIDS).
    virtual QString GetSelectedStarIds() const { return {}; }

    bool IsSidereal() const { return GetZodiac() == QLatin1String("S"); }
};

} // namespace velkaris
