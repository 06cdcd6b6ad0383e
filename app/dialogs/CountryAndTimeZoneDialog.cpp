#include "CountryAndTimeZoneDialog.h"

#include "DataTableGrid.h"
#include "data/DataSetInfoProvider.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkaris {

QDialogButtonBox* CreateCloseButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("Rendben"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnRendben"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Mégsem"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnMegsem"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QGroupBox* CreateCountryGroup(TDataTable& countries, QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral(" Ország adatok... "), parent);
    group->setObjectName(QStringLiteral("grpCountry"));
    auto* grid = new TDataTableGrid(
        countries,
        {QStringLiteral("CountryCode"), QStringLiteral("DisplayName"),
         QStringLiteral("TimeZoneCode")},
        {QStringLiteral("Ország kód"), QStringLiteral("Ország neve"), QStringLiteral("Időzóna")},
        group);
    grid->setObjectName(QStringLiteral("dbgCountryAndTimeZone"));
    auto* navigator = new TDataTableNavigator(countries, group);
    navigator->setObjectName(QStringLiteral("dbNavCountry"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(grid);
    layout->addWidget(navigator);
    return group;
}

TCountryFollowingDialog::TCountryFollowingDialog(TDataTable& countries, QWidget* parent)
    : QDialog(parent), m_Countries(countries) {
    setModal(true);
}

TCountryFollowingDialog::~TCountryFollowingDialog() {
    m_Countries.RemoveObserver(this);
}

void TCountryFollowingDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Opening();
    m_Countries.AddObserver(this);
    m_Countries.Locate({QStringLiteral("CountryCode")}, {QStringLiteral("H")}, false);
    CurrentRowChanged();
}

void TCountryFollowingDialog::done(int result) {
    Unfollow();
    QDialog::done(result);
}

void TCountryFollowingDialog::Unfollow() {
    m_Countries.RemoveObserver(this);
}

TfrmCountryAndTimeZone::TfrmCountryAndTimeZone(TDataSetInfoProvider& places, QWidget* parent)
    : TCountryFollowingDialog(places.Loader().CountryLoader().Table(), parent), m_Places(places) {
    setObjectName(QStringLiteral("frmCountryAndTimeZone"));
    setWindowTitle(QStringLiteral("Országok és időzónáik..."));

    auto* zone = new QGroupBox(QStringLiteral(" Időzóna adatok "), this);
    zone->setObjectName(QStringLiteral("grpTimeZone"));
    auto* form = new QFormLayout(zone);
    const auto addLabel = [&](const char* name, const QString& caption) {
        auto* label = new QLabel(zone);
        label->setObjectName(QLatin1String(name));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(caption, label);
        return label;
    };
    m_ZoneName = addLabel("lblTimeZoneCodeAndName", QStringLiteral("Időzóna neve:"));
    m_Delta = addLabel("lblDelta", QStringLiteral("Időeltolódás (GMT):"));
    m_Type = addLabel("lblType", QStringLiteral("Típus:"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateCountryGroup(m_Countries, this), 1);
    layout->addWidget(zone);
    layout->addWidget(CreateCloseButtons(this));
    resize(560, 520);
}

void TfrmCountryAndTimeZone::Opening() {
    for (QLabel* label : {m_ZoneName, m_Delta, m_Type})
        label->clear();
}

void TfrmCountryAndTimeZone::CurrentRowChanged() {
    if (m_Countries.IsEmpty())
        return;
    const auto zone = m_Places.FindZoneV1(m_Countries.Text(u"TimeZoneCode"));
    if (!zone)
        return;
    m_ZoneName->setText(zone->TimeZoneCode + QStringLiteral(" - ") + zone->DisplayName);
    m_Delta->setText(zone->DeltaText());
    m_Type->setText(zone->Type);
}

} // namespace velkaris
