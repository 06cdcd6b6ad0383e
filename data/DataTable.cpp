#include "DataTable.h"

#include <algorithm>
#include <utility>

namespace velkaris {

namespace {

const TFieldValue NullValue;

int CompareCaseless(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

/// A field compared with a text as texts, without copying a text field.
int CompareField(const TFieldValue& value, const QString& text, Qt::CaseSensitivity cs) {
    if (const auto* own = std::get_if<QString>(&value))
        return QString::compare(*own, text, cs);
    return QString::compare(FieldText(value), text, cs);
}

const TFieldValue& FieldOf(const TDataRow& row, int column) {
    static const TFieldValue none;
    return column >= 0 && column < static_cast<int>(row.Values.size()) ? row.Values[column] : none;
}

} // namespace

QString FieldText(const TFieldValue& value) {
    if (const auto* text = std::get_if<QString>(&value))
        return *text;
    if (const auto* integer = std::get_if<int>(&value))
        return QString::number(*integer);
    if (const auto* number = std::get_if<double>(&value))
        return QString::number(*number, 'g', 15);
    return {};
}

QString TDataRow::Text(int column) const {
    if (column < 0 || column >= static_cast<int>(Values.size()))
        return {};
    return FieldText(Values[column]);
}

bool TDataTable::AddColumn(const TColumn& column) {
    if (ColumnIndex(column.Name) >= 0)
        return false;
    m_Columns.push_back(column);
    for (TDataRow& row : m_Rows)
        row.Values.resize(m_Columns.size());
    return true;
}

int TDataTable::ColumnIndex(QStringView name) const {
    for (size_t i = 0; i < m_Columns.size(); ++i) {
        if (QStringView(m_Columns[i].Name).compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void TDataTable::Clear() {
    m_Rows.clear();
    RebuildView(-1);
    NotifyRowsChanged();
    NotifyCurrentChanged();
}

void TDataTable::AppendRows(std::vector<std::vector<TFieldValue>> rows) {
    m_Rows.reserve(m_Rows.size() + rows.size());
    for (auto& values : rows) {
        values.resize(m_Columns.size());
        m_Rows.push_back(TDataRow{m_NextRecId++, std::move(values)});
    }
    RebuildView(-1);
    NotifyRowsChanged();
    NotifyCurrentChanged();
}

int TDataTable::InsertRow(std::vector<TFieldValue> values) {
    values.resize(m_Columns.size());
    const int recId = m_NextRecId++;
    m_Rows.push_back(TDataRow{recId, std::move(values)});
    RebuildView(recId);
    NotifyRowsChanged();
    NotifyCurrentChanged();
    return recId;
}

bool TDataTable::SetRowValues(int recId, std::vector<TFieldValue> values) {
    const auto row = std::find_if(m_Rows.begin(), m_Rows.end(),
                                  [&](const TDataRow& r) { return r.RecId == recId; });
    if (row == m_Rows.end())
        return false;
    values.resize(m_Columns.size());
    row->Values = std::move(values);
    RebuildView(recId);
    NotifyRowsChanged();
    NotifyCurrentChanged();
    return true;
}

bool TDataTable::DeleteRow(int recId) {
    const auto row = std::find_if(m_Rows.begin(), m_Rows.end(),
                                  [&](const TDataRow& r) { return r.RecId == recId; });
    if (row == m_Rows.end())
        return false;
    // The row that takes the deleted one's place in the view, when it is visible.
    int follower = -1;
    const int stored = static_cast<int>(row - m_Rows.begin());
    const auto shown = std::find(m_View.begin(), m_View.end(), stored);
    if (shown != m_View.end()) {
        if (shown + 1 != m_View.end())
            follower = m_Rows[*(shown + 1)].RecId;
        else if (shown != m_View.begin())
            follower = m_Rows[*(shown - 1)].RecId;
    } else {
        follower = RecId();
    }
    m_Rows.erase(row);
    RebuildView(follower);
    NotifyRowsChanged();
    NotifyCurrentChanged();
    return true;
}

void TDataTable::RebuildView(int keepRecId) {
    m_View.clear();
    m_View.reserve(m_Rows.size());
    for (size_t i = 0; i < m_Rows.size(); ++i) {
        if (!m_Filter || m_Filter(m_Rows[i]))
            m_View.push_back(static_cast<int>(i));
    }
    const int order = ColumnIndex(m_OrderColumn);
    if (order >= 0) {
        std::stable_sort(m_View.begin(), m_View.end(), [&](int a, int b) {
            return CompareCaseless(m_Rows[a].Text(order), m_Rows[b].Text(order)) < 0;
        });
    }
    m_Current = 0;
    m_Eof = false;
    m_Bof = false;
    if (keepRecId >= 0) {
        for (size_t i = 0; i < m_View.size(); ++i) {
            if (m_Rows[m_View[i]].RecId == keepRecId)
                m_Current = static_cast<int>(i);
        }
    }
}

void TDataTable::SetCurrent(int index) {
    const bool moved = index != m_Current;
    m_Current = index;
    m_Eof = false;
    m_Bof = false;
    if (moved)
        NotifyCurrentChanged();
}

void TDataTable::First() {
    SetCurrent(0);
}

void TDataTable::Last() {
    SetCurrent(std::max(RowCount() - 1, 0));
}

bool TDataTable::Next() {
    if (m_Current + 1 >= RowCount()) {
        m_Eof = true;
        return false;
    }
    SetCurrent(m_Current + 1);
    return true;
}

bool TDataTable::Prior() {
    if (m_Current <= 0) {
        m_Bof = true;
        return false;
    }
    SetCurrent(m_Current - 1);
    return true;
}

bool TDataTable::MoveTo(int index) {
    if (index < 0 || index >= RowCount())
        return false;
    SetCurrent(index);
    return true;
}

bool TDataTable::MoveToRecId(int recId) {
    for (size_t i = 0; i < m_View.size(); ++i) {
        if (m_Rows[m_View[i]].RecId == recId)
            return MoveTo(static_cast<int>(i));
    }
    return false;
}

std::pair<int, int> TDataTable::OrderRange(const QString& text) const {
    const int order = ColumnIndex(m_OrderColumn);
    const auto below = [&](int row, const QString& t) {
        return CompareField(FieldOf(m_Rows[row], order), t, Qt::CaseInsensitive) < 0;
    };
    const auto above = [&](const QString& t, int row) {
        return CompareField(FieldOf(m_Rows[row], order), t, Qt::CaseInsensitive) > 0;
    };
    const auto first = std::lower_bound(m_View.begin(), m_View.end(), text, below);
    const auto last = std::upper_bound(first, m_View.end(), text, above);
    return {static_cast<int>(first - m_View.begin()), static_cast<int>(last - m_View.begin())};
}

bool TDataTable::RowMatches(const TDataRow& row, const std::vector<int>& columns,
                            const QStringList& values, bool caseInsensitive) const {
    const Qt::CaseSensitivity cs = caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (CompareField(FieldOf(row, columns[i]), values[i], cs) != 0)
            return false;
    }
    return true;
}

bool TDataTable::Locate(const QStringList& columns, const QStringList& values,
                        bool caseInsensitive) {
    if (columns.isEmpty() || columns.size() != values.size())
        return false;
    std::vector<int> indexes;
    for (const QString& name : columns) {
        const int index = ColumnIndex(name);
        if (index < 0)
            return false;
        indexes.push_back(index);
    }
    // On the ordering column the matching rows lie together: only they are searched.
    int from = 0, to = RowCount();
    if (indexes.front() == ColumnIndex(m_OrderColumn))
        std::tie(from, to) = OrderRange(values.front());
    for (int i = from; i < to; ++i) {
        if (RowMatches(m_Rows[m_View[i]], indexes, values, caseInsensitive)) {
            SetCurrent(i);
            return true;
        }
    }
    return false;
}

const TFieldValue& TDataTable::ValueAt(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(m_Columns.size()))
        return NullValue;
    return m_Rows[m_View[row]].Values[column];
}

int TDataTable::IntegerAt(int row, int column) const {
    const auto* value = std::get_if<int>(&ValueAt(row, column));
    return value ? *value : 0;
}

int TDataTable::RecIdAt(int row) const {
    return row >= 0 && row < RowCount() ? m_Rows[m_View[row]].RecId : 0;
}

QString TDataTable::Text(QStringView column) const {
    return TextAt(m_Current, ColumnIndex(column));
}

int TDataTable::Integer(QStringView column) const {
    return IntegerAt(m_Current, ColumnIndex(column));
}

double TDataTable::Number(QStringView column) const {
    const TFieldValue& value = ValueAt(m_Current, ColumnIndex(column));
    if (const auto* number = std::get_if<double>(&value))
        return *number;
    if (const auto* integer = std::get_if<int>(&value))
        return *integer;
    return 0;
}

bool TDataTable::IsNull(QStringView column) const {
    return std::holds_alternative<std::monostate>(ValueAt(m_Current, ColumnIndex(column)));
}

void TDataTable::SetOrderColumn(const QString& column) {
    m_OrderColumn = column;
    const int keep = RecId();
    const int before = m_Current;
    RebuildView(keep);
    if (m_Current != before)
        NotifyCurrentChanged();
    NotifyRowsChanged();
}

void TDataTable::SetFilter(TRowFilter filter) {
    m_Filter = std::move(filter);
    RebuildView(-1);
    NotifyRowsChanged();
    NotifyCurrentChanged();
}

void TDataTable::DisableControls() {
    ++m_DisableCount;
}

void TDataTable::EnableControls() {
    if (m_DisableCount == 0 || --m_DisableCount > 0)
        return;
    if (std::exchange(m_RowsChangedPending, false))
        NotifyRowsChanged();
    if (std::exchange(m_CurrentChangedPending, false))
        NotifyCurrentChanged();
}

void TDataTable::AddObserver(TTableObserver* observer) {
    if (observer &&
        std::find(m_Observers.begin(), m_Observers.end(), observer) == m_Observers.end())
        m_Observers.push_back(observer);
}

void TDataTable::RemoveObserver(TTableObserver* observer) {
    std::erase(m_Observers, observer);
}

void TDataTable::NotifyRowsChanged() {
    if (m_DisableCount > 0) {
        m_RowsChangedPending = true;
        return;
    }
    // A copy: an observer may remove itself while it is told.
    const std::vector<TTableObserver*> observers = m_Observers;
    for (TTableObserver* observer : observers)
        observer->RowsChanged();
}

void TDataTable::NotifyCurrentChanged() {
    if (m_DisableCount > 0) {
        m_CurrentChangedPending = true;
        return;
    }
    const std::vector<TTableObserver*> observers = m_Observers;
    for (TTableObserver* observer : observers)
        observer->CurrentRowChanged();
}

} // namespace velkaris
