#pragma once

#include "CestLoader_v2.h"
#include "CityLoader.h"
#include "CountryLoader.h"
#include "TimeZoneLoader.h"
#include "TimeZoneLoader_v2.h"

#include <QStringList>
#include <memory>

namespace velkaris {

/// Creates and owns the table loaders of the place provider.
class TDataSetLoader {
public:
    /// Creates the loaders in this order: rules and cities (both with the city database
    /// mode `mode`), countries, first-version zones, zones; pending messages are handled
    /// before and after each. A table that fails to load keeps the rows before the failure
    /// and its error (see `LoadErrors`).
    TDataSetLoader(const TProgramFolders& folders, int mode);
    ~TDataSetLoader();
    TDataSetLoader(const TDataSetLoader&) = delete;
    TDataSetLoader& operator=(const TDataSetLoader&) = delete;

    TCestLoader_v2& CestLoader() { return *m_CestLoader; }
    const TCestLoader_v2& CestLoader() const { return *m_CestLoader; }
    TCityLoader& CityLoader() { return *m_CityLoader; }
    const TCityLoader& CityLoader() const { return *m_CityLoader; }
    TCountryLoader& CountryLoader() { return *m_CountryLoader; }
    TTimeZoneLoader& TimeZoneLoader() { return *m_TimeZoneLoader; }
    TTimeZoneLoader_v2& TimeZoneLoader_v2() { return *m_TimeZoneLoader_v2; }

    /// The errors of the tables that did not load cleanly, for the user.
    QStringList LoadErrors() const;

private:
    // Declared in creation order: they are freed in the reverse order.
    std::unique_ptr<TCestLoader_v2> m_CestLoader;
    std::unique_ptr<TCityLoader> m_CityLoader;
    std::unique_ptr<TCountryLoader> m_CountryLoader;
    std::unique_ptr<TTimeZoneLoader> m_TimeZoneLoader;
    std::unique_ptr<TTimeZoneLoader_v2> m_TimeZoneLoader_v2;
};

} // namespace velkaris
