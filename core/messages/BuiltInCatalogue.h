#pragma once

#include <QByteArrayView>

namespace velkaris {

/// The Hungarian default texts as the catalogue block the program carries (generated at
/// build time from Messages.hu.txt).
QByteArrayView BuiltInCatalogueBlock();

} // namespace velkaris
