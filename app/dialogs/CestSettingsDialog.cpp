#include "CestSettingsDialog.h"

#include "CountryAndTimeZoneDialog.h"
#include "DataTableGrid.h"
#include "data/DataSetInfoProvider.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkaris {

TfrmCestSettings::TfrmCestSettings(TDataSetInfoProvider& places, QWidget* parent)
    : TCountryFollowingDialog(places.Loader().CountryLoader().Table(), parent),
      m_Rules(places.Loader().CestLoader().Table()) {
    setObjectName(QStringLiteral("frmCestSettings"));
    setWindowTitle(QStringLiteral("Nyári / Téli időszámítás-beállítások"));

    auto* rules = new QGroupBox(QStringLiteral(" Téli / Nyári időszámítás-adatok "), this);
    rules->setObjectName(QStringLiteral("grpCestData"));
    QStringList columns;
    for (const TColumn& column : m_Rules.Columns())
        columns << column.Name;
    auto* grid = new TDataTableGrid(m_Rules, columns, {}, rules);
    grid->setObjectName(QStringLiteral("dbgCestData"));
    auto* navigator = new TDataTableNavigator(m_Rules, rules);
    navigator->setObjectName(QStringLiteral("dbNavCest"));
    auto* rulesLayout = new QVBoxLayout(rules);
    rulesLayout->addWidget(grid);
    rulesLayout->addWidget(navigator);

    auto* tables = new QHBoxLayout;
    tables->addWidget(CreateCountryGroup(m_Countries, this), 2);
    tables->addWidget(rules, 5);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tables, 1);
    layout->addWidget(CreateCloseButtons(this));
    resize(1100, 560);
}

TfrmCestSettings::~TfrmCestSettings() {
    Unfollow();
}

void TfrmCestSettings::CurrentRowChanged() {
    const int column = m_Rules.ColumnIndex(u"CountryCode");
    const QString country = m_Countries.Text(u"CountryCode");
    m_Rules.SetFilter(
        [column, country](const TDataRow& row) { return row.Text(column) == country; });
}

void TfrmCestSettings::Unfollow() {
    TCountryFollowingDialog::Unfollow();
    if (m_Rules.IsFiltered())
        m_Rules.SetFilter({});
}

} // namespace velkaris
