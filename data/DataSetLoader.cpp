#include "DataSetLoader.h"

namespace velkaris {

TDataSetLoader::TDataSetLoader(const TProgramFolders& folders, int mode) {
    HandlePendingEvents();
    m_CestLoader = std::make_unique<TCestLoader_v2>(folders, mode);
    HandlePendingEvents();
    m_CityLoader = std::make_unique<TCityLoader>(folders, mode);
    HandlePendingEvents();
    m_CountryLoader = std::make_unique<TCountryLoader>(folders);
    HandlePendingEvents();
    m_TimeZoneLoader = std::make_unique<TTimeZoneLoader>(folders);
    HandlePendingEvents();
    m_TimeZoneLoader_v2 = std::make_unique<TTimeZoneLoader_v2>(folders);
    HandlePendingEvents();
}

TDataSetLoader::~TDataSetLoader() = default;

QStringList TDataSetLoader::LoadErrors() const {
    QStringList errors;
    for (const TBaseDataLoader* loader : std::initializer_list<const TBaseDataLoader*>{
             m_CestLoader.get(), m_CityLoader.get(), m_CountryLoader.get(), m_TimeZoneLoader.get(),
             m_TimeZoneLoader_v2.get()}) {
        if (loader->LoadError())
            errors << *loader->LoadError();
    }
    return errors;
}

} // namespace velkaris
