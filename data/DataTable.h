#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <variant>
#include <vector>

namespace velkaris {

enum class TFieldType { Text, Integer, Number };

/// A named, typed column of a `TDataTable`.
struct TColumn {
    QString Name;
    TFieldType Type = TFieldType::Text;
    QString DisplayLabel;
    /// Characters a text value keeps.
    int Size = 50;
};

/// One field: empty (null), a text, an integer or a number.
using TFieldValue = std::variant<std::monostate, QString, int, double>;

/// The text form of a field: empty for null, decimal digits for numbers.
QString FieldText(const TFieldValue& value);

/// One stored row with its record number.
struct TDataRow {
    int RecId = 0;
    std::vector<TFieldValue> Values;

    /// The text form of the field in `column`; empty for a column the row lacks.
    QString Text(int column) const;
};

/// Told when a table's rows or its current row change; grids implement it.
class TTableObserver {
public:
    virtual ~TTableObserver() = default;
    /// The visible rows changed: loaded, emptied, ordered or filtered.
    virtual void RowsChanged() = 0;
    virtual void CurrentRowChanged() = 0;
};

/// The in-memory table behind every loader: named, typed columns, rows with record
/// numbers, one current row, an optional ordering by one text column without regard to
/// letter case, and an optional row filter.
///
/// Positions ("view rows") count the visible rows in their order, from 0. Column names
/// match without regard to letter case. The observers are not owned.
class TDataTable {
public:
    using TRowFilter = std::function<bool(const TDataRow&)>;

    /// Adds a column unless one of that name exists; false when it exists.
    bool AddColumn(const TColumn& column);
    /// Index of the column, -1 when there is none.
    int ColumnIndex(QStringView name) const;
    const std::vector<TColumn>& Columns() const { return m_Columns; }

    /// Drops every row; the columns, the ordering and the filter stay.
    void Clear();
    /// Appends rows, each with one value per column (missing values are null, extra
    /// ones dropped), gives them the next record numbers, puts the table in order and
    /// makes the first visible row current.
    void AppendRows(std::vector<std::vector<TFieldValue>> rows);
    /// Appends one row as `AppendRows` does, but makes the new row current; its record
    /// number.
    int InsertRow(std::vector<TFieldValue> values);
    /// Replaces the values of the stored row with record number `recId` (missing values
    /// are null, extra ones dropped) and puts the table in order; that row stays current
    /// when it is visible. False when there is no such row.
    bool SetRowValues(int recId, std::vector<TFieldValue> values);
    /// Removes the stored row with record number `recId`; the visible row that followed it
    /// (else the one before it) becomes current. False when there is no such row.
    bool DeleteRow(int recId);
    /// Visible rows.
    int RowCount() const { return static_cast<int>(m_View.size()); }
    /// Stored rows, the hidden ones included.
    int StoredRowCount() const { return static_cast<int>(m_Rows.size()); }
    bool IsEmpty() const { return m_View.empty(); }

    void First();
    void Last();
    /// Moves to the next visible row; at the last one it stays there and sets Eof.
    bool Next();
    /// Moves to the previous visible row; at the first one it stays there and sets Bof.
    bool Prior();
    /// True after `Next` at the last row, and always for an empty table.
    bool Eof() const { return m_Eof || m_View.empty(); }
    bool Bof() const { return m_Bof || m_View.empty(); }
    /// View row of the current row; -1 for an empty table.
    int CurrentIndex() const { return m_View.empty() ? -1 : m_Current; }
    /// Makes view row `index` current; false (nothing moves) when there is no such row.
    bool MoveTo(int index);
    /// Makes the visible row with record number `recId` current; false when none is.
    bool MoveToRecId(int recId);

    /// Makes current the first visible row whose fields in `columns` have the texts in
    /// `values` (the text form of numbers), exactly or without regard to letter case;
    /// false, with the current row unchanged, when there is none or a column is unknown.
    bool Locate(const QStringList& columns, const QStringList& values, bool caseInsensitive);

    /// The field of view row `row`; null for a row or column that does not exist.
    const TFieldValue& ValueAt(int row, int column) const;
    QString TextAt(int row, int column) const { return FieldText(ValueAt(row, column)); }
    /// The integer of a field; 0 when it is null or not an integer.
    int IntegerAt(int row, int column) const;
    int RecIdAt(int row) const;

    /// Fields of the current row by column name; empty, 0 or null when the table is
    /// empty or the column unknown.
    QString Text(QStringView column) const;
    int Integer(QStringView column) const;
    double Number(QStringView column) const;
    bool IsNull(QStringView column) const;
    int RecId() const { return RecIdAt(m_Current); }

    /// Orders the rows by the text of `column` without regard to letter case, rows with
    /// equal texts in the order they were appended; an empty name keeps append order. The
    /// current row stays on its record when that stays visible.
    void SetOrderColumn(const QString& column);
    const QString& OrderColumn() const { return m_OrderColumn; }
    /// Shows only the rows `filter` accepts (all rows for an empty filter) and makes the
    /// first of them current.
    void SetFilter(TRowFilter filter);
    bool IsFiltered() const { return static_cast<bool>(m_Filter); }

    /// Holds the observers' notices back until the matching `EnableControls`, which then
    /// sends one of each.
    void DisableControls();
    void EnableControls();

    void AddObserver(TTableObserver* observer);
    void RemoveObserver(TTableObserver* observer);

private:
    std::vector<TColumn> m_Columns;
    std::vector<TDataRow> m_Rows;
    /// Indexes into m_Rows of the visible rows, in order.
    std::vector<int> m_View;
    int m_Current = 0;
    bool m_Eof = false;
    bool m_Bof = false;
    int m_NextRecId = 1;
    QString m_OrderColumn;
    TRowFilter m_Filter;
    std::vector<TTableObserver*> m_Observers;
    int m_DisableCount = 0;
    bool m_RowsChangedPending = false;
    bool m_CurrentChangedPending = false;

    void RebuildView(int keepRecId);
    void SetCurrent(int index);
    /// The view rows whose order text equals `text` without regard to letter case, as a
    /// half-open range; only for an ordered table.
    std::pair<int, int> OrderRange(const QString& text) const;
    bool RowMatches(const TDataRow& row, const std::vector<int>& columns, const QStringList& values,
                    bool caseInsensitive) const;
    void NotifyRowsChanged();
    void NotifyCurrentChanged();
};

} // namespace velkaris
