#include "TableText.h"

#include <QLocale>
#include <cmath>

namespace velkaris {

namespace {

constexpr int RowsBetweenPendingEvents = 500;

std::optional<TFieldValue> Convert(const QString& value, const TColumn& column) {
    if (value.isEmpty())
        return TFieldValue{};
    switch (column.Type) {
    case TFieldType::Text:
        return TFieldValue{value.left(column.Size)};
    case TFieldType::Integer: {
        bool ok = false;
        const int integer = value.trimmed().toInt(&ok);
        return ok ? std::optional<TFieldValue>(integer) : std::nullopt;
    }
    case TFieldType::Number: {
        QString text = value.trimmed();
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double number = QLocale::c().toDouble(text, &ok);
        return ok && std::isfinite(number) ? std::optional<TFieldValue>(number) : std::nullopt;
    }
    }
    return std::nullopt;
}

} // namespace

QStringList SplitTableLine(QStringView line) {
    QStringList values;
    for (const QStringView part : line.split(QLatin1Char(';')))
        values.append(part.toString());
    if (values.size() > 1 && line.endsWith(QLatin1Char(';')))
        values.removeLast();
    return values;
}

std::optional<TTableTextError> AppendTableText(TDataTable& table, const QString& text,
                                               const std::function<void()>& pendingEvents) {
    QList<QStringView> lines = QStringView(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return std::nullopt;
    for (QStringView& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }

    std::vector<int> target;
    for (const QString& name : SplitTableLine(lines.first()))
        target.push_back(table.ColumnIndex(name.trimmed()));

    std::vector<std::vector<TFieldValue>> rows;
    std::optional<TTableTextError> error;
    for (qsizetype i = 1; i < lines.size() && !error; ++i) {
        const QStringList values = SplitTableLine(lines[i]);
        if (values.size() > static_cast<qsizetype>(target.size())) {
            error = TTableTextError{
                TTableTextError::TKind::TooManyValues, static_cast<int>(i + 1), {}, {}};
            break;
        }
        std::vector<TFieldValue> row(table.Columns().size());
        for (qsizetype v = 0; v < values.size(); ++v) {
            const int column = target[v];
            if (column < 0)
                continue;
            const auto value = Convert(values[v], table.Columns()[column]);
            if (!value) {
                error = TTableTextError{TTableTextError::TKind::BadValue, static_cast<int>(i + 1),
                                        values[v], table.Columns()[column].Name};
                break;
            }
            row[column] = *value;
        }
        if (error)
            break;
        rows.push_back(std::move(row));
        if (pendingEvents && rows.size() % RowsBetweenPendingEvents == 0)
            pendingEvents();
    }
    table.AppendRows(std::move(rows));
    return error;
}

} // namespace velkaris
