#include "AspectOrbProvider.h"

#include "core/ZentavoConsts.h"
#include "data/SettingsINIFileLoader.h"
#include "data/SettingsKeys.h"
#include "data/SettingsProvider.h"

#include <QLocale>
#include <QStringList>

namespace velkaris {

namespace {

QString FormatOrb(double orb) {
    QString text = QString::number(orb, 'g', QLocale::FloatingPointShortest);
    text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return text;
}

double ParseOrb(QString text) {
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double orb = text.toDouble(&ok);
    return ok ? orb : 0;
}

} // namespace

TAspectOrbProvider::TAspectOrbProvider() {
    for (int aspect = 1; aspect <= AspectCount; ++aspect) {
        SetRow(aspect, QString(), true);
        SetRow(aspect, QString(), false);
    }
    m_SavedRows = m_Rows;
}

QString TAspectOrbProvider::DefaultRow(int aspectId, bool simple) {
    const QString orb = FormatOrb(AspectInfo(aspectId).DefaultOrb);
    QStringList values;
    for (int column = 1; column <= Columns; ++column)
        values << (simple || column <= 10 ? orb : QStringLiteral("0"));
    return values.join(QLatin1Char('|'));
}

void TAspectOrbProvider::SetRow(int aspectId, const QString& text, bool simple) {
    QStringList values = text.split(QLatin1Char('|'));
    QString stored = text;
    if (text.trimmed().isEmpty() || values.size() != Columns) {
        stored = DefaultRow(aspectId, simple);
        values = stored.split(QLatin1Char('|'));
    }
    TRow& row = m_Rows[Slot(aspectId, simple)];
    row.Text = stored;
    for (int i = 0; i < Columns; ++i)
        row.Orbs[static_cast<size_t>(i)] = ParseOrb(values[i]);
}

void TAspectOrbProvider::LoadRows(const TSettingsProvider& settings) {
    for (int aspect = 1; aspect <= AspectCount; ++aspect) {
        SetRow(aspect, settings.GetOrbString(aspect, true), true);
        SetRow(aspect, settings.GetOrbString(aspect, false), false);
    }
}

void TAspectOrbProvider::SaveRows(TSettingsINIFileLoader& store) const {
    for (int aspect = 1; aspect <= AspectCount; ++aspect) {
        const QString key = SettingsKey::AspectValues[static_cast<size_t>(aspect - 1)];
        store.WriteString(SettingsSection::chkbOrbSettingsSimple, key, Row(aspect, true));
        store.WriteString(SettingsSection::chkbOrbSettingsDetailed, key, Row(aspect, false));
    }
}

QString TAspectOrbProvider::Row(int aspectId, bool simple) const {
    return m_Rows[Slot(aspectId, simple)].Text;
}

double TAspectOrbProvider::OrbFor(int aspectId, int bodyId, bool simple, TOrbPointKind kind) const {
    int column = 1;
    switch (kind) {
    case TOrbPointKind::Ascendant:
        column = 11;
        break;
    case TOrbPointKind::MediumCoeli:
        column = 12;
        break;
    case TOrbPointKind::Node:
        column = 13;
        break;
    case TOrbPointKind::OtherPoint:
        column = 14;
        break;
    case TOrbPointKind::Body:
        column = bodyId >= 0 && bodyId + 1 <= 10 ? bodyId + 1 : 1;
        break;
    }
    return m_Rows[Slot(aspectId, simple)].Orbs[static_cast<size_t>(column - 1)];
}

} // namespace velkaris
