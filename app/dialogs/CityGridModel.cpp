#include "CityGridModel.h"

#include "data/CityLoader.h"

namespace velkaris {

namespace {

struct TGridColumn {
    const char16_t* Column;
    const char16_t* Title;
};

const TGridColumn GridColumns[] = {
    {u"CityName", u"Város"},   {u"CountryCode", u"Orsz."}, {u"TimeZoneCode", u"Zóna"},
    {u"Longitude", u"Hossz."}, {u"Latitude", u"Szél."},
};

} // namespace

TCityGridModel::TCityGridModel(TCityLoader& cities, QObject* parent)
    : QAbstractTableModel(parent), m_Cities(cities) {
    for (const TGridColumn& column : GridColumns)
        m_Columns.push_back(cities.Table().ColumnIndex(column.Column));
    m_Cities.Table().AddObserver(this);
}

TCityGridModel::~TCityGridModel() {
    m_Cities.Table().RemoveObserver(this);
}

int TCityGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_Cities.Table().RowCount();
}

int TCityGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_Columns.size());
}

QVariant TCityGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return m_Cities.DisplayText(index.row(), m_Columns[index.column()]);
}

QVariant TCityGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(std::size(GridColumns)))
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf16(GridColumns[section].Title);
}

void TCityGridModel::RowsChanged() {
    beginResetModel();
    endResetModel();
}

void TCityGridModel::CurrentRowChanged() {
    emit CurrentRowMoved(m_Cities.Table().CurrentIndex());
}

} // namespace velkaris
