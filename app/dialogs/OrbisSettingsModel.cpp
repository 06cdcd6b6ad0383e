#include "OrbisSettingsModel.h"

#include "calc/AspectOrbProvider.h"
#include "core/ZentavoConsts.h"

#include <QRegularExpression>
#include <QStringList>

namespace velkaris {

namespace {

// The point kind and body id that select a detailed column through `OrbFor`.
struct TColumnPoint {
    int BodyId;
    TOrbPointKind Kind;
};

TColumnPoint ColumnPoint(int column) {
    switch (column) {
    case 11:
        return {BodyId::Sun, TOrbPointKind::Ascendant};
    case 12:
        return {BodyId::Sun, TOrbPointKind::MediumCoeli};
    case 13:
        return {BodyId::MeanNode, TOrbPointKind::Node};
    case 14:
        return {BodyId::Sun, TOrbPointKind::OtherPoint};
    default:
        return {column - 1, TOrbPointKind::Body};
    }
}

size_t ColumnIndex(int column) {
    Q_ASSERT(column >= 1 && column <= TOrbisSettingsModel::DetailedColumns);
    return static_cast<size_t>(column - 1);
}

} // namespace

TOrbisSettingsModel::TOrbisSettingsModel(const QString& decimalPoint)
    : m_DecimalPoint(decimalPoint) {}

const TOrbisSettingsModel::TAspectValues& TOrbisSettingsModel::Values(int aspectId) const {
    Q_ASSERT(aspectId >= 1 && aspectId <= AspectCount);
    return m_Aspects[static_cast<size_t>(aspectId - 1)];
}

TOrbisSettingsModel::TAspectValues& TOrbisSettingsModel::Values(int aspectId) {
    Q_ASSERT(aspectId >= 1 && aspectId <= AspectCount);
    return m_Aspects[static_cast<size_t>(aspectId - 1)];
}

void TOrbisSettingsModel::Load(const TAspectOrbProvider& orbs) {
    for (int aspect = 1; aspect <= AspectCount; ++aspect) {
        TAspectValues& values = Values(aspect);
        values.Simple = orbs.OrbFor(aspect, BodyId::Sun, true, TOrbPointKind::Body);
        for (int column = 1; column <= DetailedColumns; ++column) {
            const TColumnPoint point = ColumnPoint(column);
            values.Detailed[ColumnIndex(column)] =
                orbs.OrbFor(aspect, point.BodyId, false, point.Kind);
        }
        values.DetailedChanged = false;
    }
}

double TOrbisSettingsModel::SimpleOrb(int aspectId) const {
    return Values(aspectId).Simple;
}

void TOrbisSettingsModel::SetSimpleOrb(int aspectId, double orbDeg) {
    Values(aspectId).Simple = orbDeg;
}

double TOrbisSettingsModel::DetailedOrb(int aspectId, int column) const {
    return Values(aspectId).Detailed[ColumnIndex(column)];
}

void TOrbisSettingsModel::SetDetailedOrb(int aspectId, int column, double orbDeg) {
    TAspectValues& values = Values(aspectId);
    double& held = values.Detailed[ColumnIndex(column)];
    if (held == orbDeg)
        return;
    held = orbDeg;
    values.DetailedChanged = true;
}

bool TOrbisSettingsModel::IsDetailedRowChanged(int aspectId) const {
    return Values(aspectId).DetailedChanged;
}

QString TOrbisSettingsModel::SimpleRow(int aspectId) const {
    QStringList values;
    const QString orb = FormatOrb(SimpleOrb(aspectId));
    for (int column = 1; column <= DetailedColumns; ++column)
        values << orb;
    return values.join(QLatin1Char('|'));
}

QString TOrbisSettingsModel::DetailedRow(int aspectId) const {
    QStringList values;
    for (const double orb : Values(aspectId).Detailed)
        values << FormatOrb(orb);
    return values.join(QLatin1Char('|'));
}

void TOrbisSettingsModel::ApplyTo(TAspectOrbProvider& orbs) const {
    for (int aspect = 1; aspect <= AspectCount; ++aspect) {
        orbs.SetRow(aspect, SimpleRow(aspect), true);
        if (IsDetailedRowChanged(aspect))
            orbs.SetRow(aspect, DetailedRow(aspect), false);
    }
}

QString TOrbisSettingsModel::FormatOrb(double orbDeg, const QString& decimalPoint) {
    QString text = QString::number(orbDeg, 'f', QLocale::FloatingPointShortest);
    text.replace(QLatin1Char('.'), decimalPoint);
    return text;
}

std::optional<double> TOrbisSettingsModel::ParseOrb(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    trimmed.replace(QLatin1Char(','), QLatin1Char('.'));
    // "5," and ",5" are what a user types on the way to 5 and 0.5.
    if (trimmed.startsWith(QLatin1Char('.')))
        trimmed.prepend(QLatin1Char('0'));
    if (trimmed.endsWith(QLatin1Char('.')))
        trimmed.append(QLatin1Char('0'));
    bool ok = false;
    const double orb = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || orb < 0 || orb > MaxOrbDeg)
        return std::nullopt;
    return orb;
}

} // namespace velkaris
