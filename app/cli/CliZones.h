#pragma once

#include <memory>

namespace velkaris {

class TDataSetInfoProvider;
class TProgramFolders;
class TSzuletesiKepletInfo;

/// The place provider over the world tables for a record without a zone code, whose zone
/// the calculator resolves from its country; null for a record that carries its zone, so
/// that such charts do not wait for the tables to load.
std::unique_ptr<TDataSetInfoProvider> ZoneProviderFor(const TSzuletesiKepletInfo& birth,
                                                      const TProgramFolders& folders);

} // namespace velkaris
