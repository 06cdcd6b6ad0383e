#pragma once

#include "data/DataTable.h"

#include <QAbstractTableModel>
#include <vector>

namespace velkaris {

class TCityLoader;

/// The city table for a grid: "Város", "Orsz.", "Zóna", "Hossz." and "Szél." (name,
/// country, zone, longitude and latitude), the coordinates as the city loader shows them.
class TCityGridModel : public QAbstractTableModel, public TTableObserver {
    Q_OBJECT
public:
    /// `cities` is not owned and must outlive the model.
    explicit TCityGridModel(TCityLoader& cities, QObject* parent = nullptr);
    ~TCityGridModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void RowsChanged() override;
    void CurrentRowChanged() override;

signals:
    /// The table's current row moved to `row` (-1 for an empty table).
    void CurrentRowMoved(int row);

private:
    TCityLoader& m_Cities;
    std::vector<int> m_Columns;
};

} // namespace velkaris
