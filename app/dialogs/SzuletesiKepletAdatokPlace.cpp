// The place, zone and daylight-saving side of the birth data dialog.

#include "CityGridModel.h"
#include "SzuletesiKepletAdatokDialog.h"
#include "WaitWindow.h"
#include "app/main/Desktop.h"
#include "core/Messages.h"
#include "core/SzuletesiKepletInfo.h"
#include "data/CityLoader.h"
#include "data/DataSetInfoProvider.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTableView>
#include <cstdlib>

namespace velkaris {

namespace {

constexpr double NoLongitude = -999;

/// The offset of a zone record in hours: a rule row holds "+02:00", a zone-table row its
/// UTCDelta text ("UTC + 2").
double ZoneRecordHours(const TTimeZoneInfo_v2& zone) {
    return zone.TZOFFSET.contains(QLatin1String("UTC")) ? zone.UtcDeltaHours()
                                                        : zone.ZoneOffset().Hours();
}

QString ZoneLabel(const QString& code, const QString& name) {
    return code + QStringLiteral(" - ") + name;
}

TCityLoader& CitiesOf(TDataSetInfoProvider& places) {
    return places.Loader().CityLoader();
}

} // namespace

// The place field and the city grid.

void TfrmSzuletesiKepletAdatok::PlaceChanged(const QString& text) {
    if (m_Shown && !m_SolarMode)
        MarkEdited();
    if (edtTelepules->hasFocus())
        ShowGrid(true);
    TCityLoader& cities = CitiesOf(m_Places);
    if (!cities.LocatePlace(text)) {
        const QString current = cities.Table().Text(u"CityName").toUpper();
        if (!current.contains(text.toUpper()) && m_Places.GetCityDatabaseMode() == 0) {
            LoadExtendedCityDatabase();
            if (cities.LocatePlace(edtTelepules->text()) && PlaceIsKnown()) {
                ResolveDaylightSaving();
                ResolveZoneFromFields();
            }
        }
    }
    FollowHemispheres();
}

void TfrmSzuletesiKepletAdatok::PlaceEntered() {
    ShowGrid(true);
    m_CityTextOnEntry = edtTelepules->text();
}

void TfrmSzuletesiKepletAdatok::PlaceLeft() {
    ShowGrid(false);
    AcceptCityRow(false);
    if (PlaceIsKnown() && edtTelepules->text() != m_CityTextOnEntry) {
        ApplyZoneTypeRule();
        ResolveZoneFromFields();
        ResolveDaylightSaving();
    }
    m_CityTextOnEntry.clear();
}

bool TfrmSzuletesiKepletAdatok::PlaceKey(int key) {
    TDataTable& table = CitiesOf(m_Places).Table();
    switch (key) {
    case Qt::Key_Up:
        table.Prior();
        return true;
    case Qt::Key_Down:
        table.Next();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        GridActivated();
        ResolveDaylightSaving();
        return true;
    case Qt::Key_Escape: {
        // The text first: its change shows the grid again.
        const bool show = dbgCityes->isHidden();
        edtTelepules->setText(m_CityTextOnEntry);
        ShowGrid(show);
        return true;
    }
    default:
        return false;
    }
}

void TfrmSzuletesiKepletAdatok::GridActivated() {
    const TDataTable& table = CitiesOf(m_Places).Table();
    if (table.CurrentIndex() < 0)
        return;
    const QString name = table.Text(u"CityName");
    const QString country = table.Text(u"CountryCode");
    const int recId = table.RecId();
    edtTelepules->setText(name + QStringLiteral("; ") + country);
    // The text finds the first row of that name and country; the row chosen stays.
    CitiesOf(m_Places).Table().MoveToRecId(recId);
    AcceptCityRow(true);
    ResolveZoneFromFields();
    ResolveDaylightSaving();
    if (m_SolarMode)
        PlaceLeft();
}

void TfrmSzuletesiKepletAdatok::GridEnter() {
    AcceptCityRow(true);
    ResolveZoneFromFields();
    ResolveDaylightSaving();
}

void TfrmSzuletesiKepletAdatok::GridLeft() {
    ShowGrid(false);
    AcceptCityRow(false);
    ResolveZoneFromFields();
    ResolveDaylightSaving();
}

void TfrmSzuletesiKepletAdatok::ShowGrid(bool shown) {
    if (!shown) {
        dbgCityes->hide();
        return;
    }
    PlaceGrid();
    dbgCityes->show();
    dbgCityes->raise();
    ShowCurrentRowInGrid(CitiesOf(m_Places).Table().CurrentIndex());
}

void TfrmSzuletesiKepletAdatok::PlaceGrid() {
    // Below the place field, over the rows under it.
    const int top = std::max(46, edtTelepules->geometry().bottom() + 2);
    dbgCityes->setGeometry(1, top, grpPlace->width() - 2, 75);
}

void TfrmSzuletesiKepletAdatok::ShowCurrentRowInGrid(int row) {
    if (row < 0 || row >= m_CityModel->rowCount() || dbgCityes->isHidden())
        return;
    const QModelIndex index = m_CityModel->index(row, 0);
    QItemSelectionModel* selection = dbgCityes->selectionModel();
    if (selection->currentIndex().row() != row)
        selection->setCurrentIndex(index,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    dbgCityes->scrollTo(index);
}

void TfrmSzuletesiKepletAdatok::AcceptCityRow(bool focus) {
    const TDataTable& table = CitiesOf(m_Places).Table();
    const QString typed = edtTelepules->text().section(QLatin1Char(';'), 0, 0).trimmed().toUpper();
    // An empty field names no place; it is not filled from whatever row is current.
    if (!typed.isEmpty() && table.CurrentIndex() >= 0) {
        const QString name = table.Text(u"CityName");
        if (name.toUpper().contains(typed)) {
            const QString country = table.Text(u"CountryCode");
            const int longitude = table.Integer(u"Longitude");
            const int latitude = table.Integer(u"Latitude");
            const int recId = table.RecId();
            edtTelepules->setText(name + QStringLiteral("; ") + country);
            CitiesOf(m_Places).Table().MoveToRecId(recId);
            edtHosszFok->setText(QString::number(std::abs(longitude) / 100));
            edtHosszPerc->setText(QString::number(std::abs(longitude) % 100));
            edtSzelFok->setText(QString::number(std::abs(latitude) / 100));
            edtSzelPerc->setText(QString::number(std::abs(latitude) % 100));
            (longitude < 0 ? rgbNyugati : rgbKeleti)->setChecked(true);
            (latitude < 0 ? rgbDeli : rgbEszaki)->setChecked(true);
        }
    }
    SetCountryLabel();
    if (focus)
        edtTelepules->setFocus();
    ShowGrid(false);
    m_CityTextOnEntry.clear();
}

void TfrmSzuletesiKepletAdatok::SetCountryLabel() {
    const QString text = edtTelepules->text();
    lblOrszag->setText(text.trimmed().isEmpty() ? QString()
                                                : m_Places.GetCountryName(PlaceCountryCode()));
}

QString TfrmSzuletesiKepletAdatok::PlaceCountryCode() {
    const QString text = edtTelepules->text();
    return text.trimmed().isEmpty() ? QString() : m_Places.GetCountryCodeOfPlace(text);
}

bool TfrmSzuletesiKepletAdatok::PlaceIsKnown() {
    return !KnownPlaceCountry().isEmpty();
}

QString TfrmSzuletesiKepletAdatok::KnownPlaceCountry() {
    if (edtTelepules->text().trimmed().isEmpty())
        return {};
    const QString country = PlaceCountryCode();
    if (!country.isEmpty() || m_Places.GetCityDatabaseMode() != 0)
        return country;
    LoadExtendedCityDatabase();
    return PlaceCountryCode();
}

void TfrmSzuletesiKepletAdatok::FollowHemispheres() {
    if (m_Updating && m_Record && m_Record->LocLatDegree() != TSzuletesiKepletInfo::NotSet) {
        (m_Record->LocLongWest() ? rgbNyugati : rgbKeleti)->setChecked(true);
        (m_Record->LocLatSouth() ? rgbDeli : rgbEszaki)->setChecked(true);
        return;
    }
    if (!PlaceIsKnown())
        return;
    const TDataTable& table = CitiesOf(m_Places).Table();
    (table.Integer(u"Longitude") < 0 ? rgbNyugati : rgbKeleti)->setChecked(true);
    (table.Integer(u"Latitude") < 0 ? rgbDeli : rgbEszaki)->setChecked(true);
}

void TfrmSzuletesiKepletAdatok::LoadExtendedCityDatabase() {
    QStringList errors;
    {
        const TWaitWindowScope wait(*m_Wait, GetMessageText(u"fWait_DefaultText"));
        if (m_Places.GetCityDatabaseMode() == 0)
            errors = m_Places.UseExtendedCityDatabase();
    }
    if (!errors.isEmpty())
        m_Desktop.ShowError(errors.join(QLatin1Char('\n')));
    // The wait window took the activation; typing goes on in the place field.
    if (!m_Updating && isVisible()) {
        QApplication::setActiveWindow(this);
        edtTelepules->setFocus();
    }
    PlaceChanged(edtTelepules->text());
}

// The zone.

TfrmSzuletesiKepletAdatok::TZoneType TfrmSzuletesiKepletAdatok::ZoneType() const {
    return static_cast<TZoneType>(cmbTimeZoneSettings->currentIndex());
}

void TfrmSzuletesiKepletAdatok::SetZoneType(TZoneType type) {
    cmbTimeZoneSettings->setCurrentIndex(type);
}

void TfrmSzuletesiKepletAdatok::ApplyZoneTypeRule() {
    edtZonaOra->setEnabled(ZoneType() == Manual);
    edtZonaPerc->setEnabled(ZoneType() == Manual);
    chkNyariIdoszamitas->setEnabled(ZoneType() == Zone);
    if (!chkNyariIdoszamitas->isEnabled())
        SetDaylightSaving(false);
}

void TfrmSzuletesiKepletAdatok::ZoneTypeChosen() {
    ApplyZoneTypeRule();
    ResolveZoneFromFields();
    ResolveDaylightSaving();
}

void TfrmSzuletesiKepletAdatok::SetDaylightSaving(bool checked) {
    const bool updating = m_Updating;
    m_Updating = true;
    chkNyariIdoszamitas->setChecked(checked);
    m_Updating = updating;
}

void TfrmSzuletesiKepletAdatok::SetZoneFields(const TZoneFieldTexts& fields) {
    edtZonaOra->setText(fields.Hours);
    edtZonaPerc->setText(fields.Minutes);
}

TZoneFieldTexts TfrmSzuletesiKepletAdatok::ZoneFields() const {
    return {edtZonaOra->text(), edtZonaPerc->text()};
}

std::optional<double> TfrmSzuletesiKepletAdatok::FieldLongitude() const {
    return LongitudeOfFields(edtHosszFok->text(), edtHosszPerc->text(), rgbNyugati->isChecked());
}

void TfrmSzuletesiKepletAdatok::ResolveZoneFromFields() {
    const double julianDay = JulianDayOfFields(DateFields(), chkBC->isChecked());
    lblIdozonaTipusa->clear();
    TTimeZoneInfo_v2 zone;
    const QString country = KnownPlaceCountry();
    const std::optional<double> longitude = FieldLongitude();
    if (!country.isEmpty() && longitude)
        zone = m_Places.ResolveZone(country, true, *longitude, julianDay);
    const bool lmt = zone.TIMEZONECODE == QLatin1String("LMT");
    if (lmt)
        SetZoneType(LocalMeanTime);
    if (ZoneType() == LocalMeanTime) {
        lblIdozonaTipusa->setText(GetMessageText(u"fSzulKeplet_LMT"));
        SetZoneFields(lmt ? ZoneFieldsOfOffset(zone.ZoneOffset().Hours()) : TZoneFieldTexts());
    } else if (!zone.TIMEZONECODE.trimmed().isEmpty()) {
        lblIdozonaTipusa->setText(ZoneLabel(zone.TIMEZONECODE, zone.DisplayName));
        SetZoneFields(ZoneFieldsOfOffset(zone.ZoneOffset().Hours()));
    }
    ApplyZoneTypeRule();
}

void TfrmSzuletesiKepletAdatok::ResolveZoneFromRecord(const TSzuletesiKepletInfo& record) {
    const TZoneFieldTexts stored = ZoneFieldsOfRecord(record);
    const double storedHours = OffsetOfZoneFields(stored);
    const QString code = record.TZoneCode();
    if (ZoneType() == LocalMeanTime) {
        PlaceIsKnown();
        lblIdozonaTipusa->setText(GetMessageText(u"fSzulKeplet_LMT"));
        SetZoneFields(stored);
        ApplyZoneTypeRule();
        return;
    }
    const double longitude = record.LocLongDegree() == TSzuletesiKepletInfo::NotSet
                                 ? NoLongitude
                                 : record.LongitudeDegrees();
    const QString country = m_Places.GetCountryCodeOfPlace(record.LocCity() + QStringLiteral("; ") +
                                                           record.LocCountryID());
    TTimeZoneInfo_v2 zone;
    if (!country.isEmpty())
        zone = m_Places.ResolveZone(country, true, longitude,
                                    JulianDayOfFields(DateFields(), chkBC->isChecked()));
    PlaceIsKnown();
    if (zone.DisplayName.isEmpty())
        zone = m_Places.GetZoneRecord(code, storedHours);
    if (zone.DisplayName.isEmpty())
        zone = m_Places.FindZoneByAbbreviation(code, storedHours).value_or(TTimeZoneInfo_v2());
    if (zone.DisplayName.isEmpty()) {
        m_Desktop.ShowWarning(GetMessageText(u"fSzulKeplet_TZCodeNotFound") + QLatin1Char(' ') +
                              code);
        lblIdozonaTipusa->setText(code + QStringLiteral(" - "));
        SetZoneType(Manual);
        SetZoneFields(stored);
    } else if (ZoneType() == Zone &&
               ZoneFieldsOfOffset(ZoneRecordHours(zone)) == ZoneFieldsOfOffset(storedHours)) {
        lblIdozonaTipusa->setText(ZoneLabel(zone.TIMEZONECODE, zone.DisplayName));
        SetZoneFields(stored);
    } else {
        if (ZoneType() == Zone) {
            m_Desktop.ShowWarning(GetMessageText(u"fSzuletesiKepletAdatok_TZoneDiffers"));
            SetZoneType(Manual);
        }
        lblIdozonaTipusa->setText(ZoneLabel(code, m_Places.GetZoneDisplayName(code, storedHours)));
        SetZoneFields(stored);
    }
    ApplyZoneTypeRule();
}

void TfrmSzuletesiKepletAdatok::ResolveDaylightSaving() {
    if (m_Record && m_Record->IsOriginal()) {
        const TSzuletesiKepletInfo& stored = m_SolarMode && m_Second ? *m_Second : *m_Record;
        SetDaylightSaving(stored.IsDayLightSavingTime());
        return;
    }
    if (edtSzhEv->text().trimmed().isEmpty())
        return;
    const QString country = KnownPlaceCountry();
    const std::optional<double> longitude = FieldLongitude();
    if (country.isEmpty() || !longitude)
        return;
    const TTimeZoneInfo_v2 zone = m_Places.ResolveZone(
        country, true, *longitude, JulianDayOfFields(DateFields(), chkBC->isChecked()));
    if (!zone.TIMEZONECODE.trimmed().isEmpty() && ZoneType() == Zone)
        SetDaylightSaving(zone.DaylightSaving().Active);
    ShowZoneNote(zone);
    if (zone.TIMEZONECODE == QLatin1String("LMT"))
        SetZoneType(LocalMeanTime);
}

void TfrmSzuletesiKepletAdatok::ShowZoneNote(const TTimeZoneInfo_v2& zone) {
    if (zone.INFO03.trimmed().isEmpty())
        return;
    if (m_ZoneMessagesShown == 0 && m_ZoneMessagesEnabled)
        m_Desktop.ShowInformation(zone.INFO03);
    ++m_ZoneMessagesShown;
}

void TfrmSzuletesiKepletAdatok::DaylightSavingClicked(bool checked) {
    if (m_Updating)
        return;
    const QString code = ZoneCodeOfCaption(lblIdozonaTipusa->text());
    const double offset = OffsetOfZoneFields(ZoneFields());
    const std::optional<TTimeZoneInfo_v2> pair =
        checked ? m_Places.FindDaylightZone(code, offset) : m_Places.FindStandardZone(code, offset);
    if (!pair) {
        ResolveZoneFromFields();
        ResolveDaylightSaving();
        m_Desktop.ShowError(GetMessageText(u"fSzulKeplet_TZPairNotFound"));
        return;
    }
    SetZoneType(Manual);
    ApplyZoneTypeRule();
    lblIdozonaTipusa->setText(ZoneLabel(pair->TIMEZONECODE, pair->DisplayName));
    SetZoneFields(ZoneFieldsOfOffset(pair->UtcDeltaHours()));
    // The zone is manual now, which disables the box; it still tells whether the zone
    // chosen is a daylight-saving one, and the record is written with that.
    SetDaylightSaving(checked);
}

QMenu* TfrmSzuletesiKepletAdatok::ZoneMenu() {
    popTZMenu->clear();
    const TDataTable& zones = m_Places.Loader().TimeZoneLoader_v2().Table();
    const int code = zones.ColumnIndex(u"TimeZoneCode");
    const int name = zones.ColumnIndex(u"DisplayName");
    const int abbreviations = zones.ColumnIndex(u"Abbreviations");
    const int delta = zones.ColumnIndex(u"UTCDelta");
    QMenu* current = popTZMenu;
    for (int row = 0; row < zones.RowCount(); ++row) {
        const QString displayName = zones.TextAt(row, name);
        if (displayName.isEmpty()) {
            current = popTZMenu->addMenu(zones.TextAt(row, code));
            continue;
        }
        const QString caption =
            ZoneMenuCaption(zones.TextAt(row, code), displayName, zones.TextAt(row, abbreviations),
                            zones.TextAt(row, delta));
        QAction* item =
            current->addAction(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
        item->setData(caption);
        connect(item, &QAction::triggered, this, [this, caption] { ChooseManualZone(caption); });
    }
    return popTZMenu;
}

void TfrmSzuletesiKepletAdatok::ChooseManualZone(const QString& caption) {
    const QString code = ZoneCodeOfCaption(caption);
    if (code.isEmpty())
        return;
    SetZoneType(Manual);
    ApplyZoneTypeRule();
    lblIdozonaTipusa->setText(ZoneLabel(code, ZoneNameOfCaption(caption)));
    SetZoneFields(ZoneFieldsOfOffset(ZoneOffsetOfCaption(caption)));
    SetDaylightSaving(false);
}

} // namespace velkaris
