#pragma once

#include "BaseDialogForm.h"
#include "BirthDataFields.h"
#include "core/DateTime.h"

#include <QString>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QTableView;
class QToolButton;

namespace velkaris {

class TCityGridModel;
class TDataSetInfoProvider;
class TDesktop;
class TRadioGroup;
class TSettingsProvider;
class TSzuletesiKepletInfo;
class TTimeZoneInfo_v2;
class TfrmWait;

/// "Új születési képlet felvitele" / "Születési képlet szerkesztése": the birth data of a
/// chart, with the place chosen from the city table and the zone and daylight-saving
/// state resolved for the entered place and moment while the user types.
///
/// The caller sets the record (`SetRecord` for a new chart, `LoadRecord` to edit one),
/// shows the dialog modally and reads the result: "Rendben" closes it only after the
/// checks passed and the record (or, in solar mode, the second record for the place and
/// zone) holds the entered values; "Mégsem" leaves the record as it was.
class TfrmSzuletesiKepletAdatok : public TfrmBaseDialogForm {
    Q_OBJECT
public:
    /// The zone types of `cmbTimeZoneSettings`.
    enum TZoneType { Manual = 0, Zone = 1, LocalMeanTime = 2 };

    /// `places`, `settings` and `desktop` are borrowed and must outlive the dialog; the
    /// desktop shows the dialog's messages and questions.
    TfrmSzuletesiKepletAdatok(TDataSetInfoProvider& places, const TSettingsProvider& settings,
                              TDesktop& desktop, QWidget* parent = nullptr);
    ~TfrmSzuletesiKepletAdatok() override;

    /// The record a new chart is entered into (borrowed).
    void SetRecord(TSzuletesiKepletInfo& record);
    /// Edit mode: fills the controls from `record` (borrowed) and keeps a copy of it for
    /// "Eredeti értékek visszaállítása".
    void LoadRecord(TSzuletesiKepletInfo& record);
    /// Solar mode: the place and zone go into `second` (borrowed), and edits leave the
    /// record's `IsOriginal` alone.
    void SetSolarMode(TSzuletesiKepletInfo* second);
    /// The record edited; a record of the dialog's own when none was given before it
    /// was shown.
    TSzuletesiKepletInfo* Record() const { return m_Record; }

    /// The date-time of the date fields; a day that its month lacks is corrected in the
    /// day field first. The zero date-time when the fields form none.
    TDateTime ReadEnteredDateTime();
    /// The zone of the entered place and moment into the zone label and fields.
    void ResolveZoneFromFields();
    /// The daylight-saving box from the zone rules of the entered place and moment.
    void ResolveDaylightSaving();
    /// The globe button: switches to the extended city database behind the wait window.
    void LoadExtendedCityDatabase();
    /// The zone menu item `caption` chosen (the "..." button's menu).
    void ChooseManualZone(const QString& caption);
    /// The manual zone menu, built anew from the zone table.
    QMenu* ZoneMenu();

    /// Whether the place field's text names a city of the table; loads the extended
    /// database once when the small one does not know it.
    bool PlaceIsKnown();

    void accept() override;
    void reject() override;

protected:
    bool PassesKeyToBase(QWidget* focus, int key) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Controls and their reactions (SzuletesiKepletAdatokDialog.cpp).
    void BuildControls();
    QGroupBox* BuildDateGroup(QWidget* parent);
    QGroupBox* BuildPlaceGroup(QWidget* parent);
    QGroupBox* BuildZoneGroup(QWidget* parent);
    QGroupBox* BuildDeathGroup(QWidget* parent);
    QGroupBox* BuildTagGroup(QWidget* parent);
    void FillControls(const TSzuletesiKepletInfo& record);
    void FirstShow();
    void MarkEdited();
    bool NumberFieldLeft(QLineEdit* field);
    void DateFieldLeft(QLineEdit* field);
    TDateFieldTexts DateFields() const;
    void TimeUnknownToggled(bool checked);
    void FillPresentMoment();
    void AddTags();
    void DeleteTag();
    void RestoreLoadedValues();
    bool CheckBeforeWriting();
    void WriteRecord();
    QLineEdit* FirstNonNumberField() const;

    // Place, zone and daylight saving (SzuletesiKepletAdatokPlace.cpp).
    void PlaceChanged(const QString& text);
    void PlaceEntered();
    void PlaceLeft();
    bool PlaceKey(int key);
    void GridActivated();
    void GridEnter();
    void GridLeft();
    void ShowGrid(bool shown);
    void PlaceGrid();
    void ShowCurrentRowInGrid(int row);
    void AcceptCityRow(bool focus);
    void SetCountryLabel();
    void FollowHemispheres();
    void ApplyZoneTypeRule();
    void SetZoneType(TZoneType type);
    TZoneType ZoneType() const;
    void ZoneTypeChosen();
    void ResolveZoneFromRecord(const TSzuletesiKepletInfo& record);
    void DaylightSavingClicked(bool checked);
    void SetDaylightSaving(bool checked);
    void SetZoneFields(const TZoneFieldTexts& fields);
    TZoneFieldTexts ZoneFields() const;
    QString PlaceCountryCode();
    /// The country code of the place field's city, the extended database loaded once
    /// when the small one lacks it; empty for a place that is not known.
    QString KnownPlaceCountry();
    std::optional<double> FieldLongitude() const;
    void ShowZoneNote(const TTimeZoneInfo_v2& zone);

    TDataSetInfoProvider& m_Places;
    const TSettingsProvider& m_Settings;
    TDesktop& m_Desktop;
    TSzuletesiKepletInfo* m_Record = nullptr;
    std::unique_ptr<TSzuletesiKepletInfo> m_OwnRecord;
    TSzuletesiKepletInfo* m_Second = nullptr;
    bool m_SolarMode = false;
    bool m_Loaded = false;
    std::unique_ptr<TSzuletesiKepletInfo> m_LoadCopy;
    bool m_Updating = false;
    bool m_Shown = false;
    bool m_ZoneMessagesEnabled = true;
    int m_ZoneMessagesShown = 0;
    QString m_CityTextOnEntry;
    TDateTime m_LastDateTime;
    int m_Gender = -1;
    /// The record's flags when the dialog opened, given back on "Mégsem".
    bool m_OpenedOriginal = false;
    bool m_OpenedModified = false;

    TCityGridModel* m_CityModel = nullptr;
    TfrmWait* m_Wait = nullptr;
    QMenu* popTZMenu = nullptr;

protected:
    // The controls, by the names that tests find them by.
    QLineEdit* edtNev = nullptr;
    TRadioGroup* rgpEset = nullptr;
    QLineEdit *edtSzhEv = nullptr, *edtSzhHo = nullptr, *edtSzhNap = nullptr;
    QLineEdit *edtSzhOra = nullptr, *edtSzhPerc = nullptr, *edtSzhMp = nullptr;
    QCheckBox* chkBC = nullptr;
    QCheckBox* chkTimeIsUnknown = nullptr;
    QGroupBox* grpPlace = nullptr;
    QLineEdit* edtTelepules = nullptr;
    QLabel* lblOrszag = nullptr;
    QToolButton* btnNagyTelepulesBetolt = nullptr;
    QTableView* dbgCityes = nullptr;
    QLineEdit *edtHosszFok = nullptr, *edtHosszPerc = nullptr;
    QRadioButton *rgbKeleti = nullptr, *rgbNyugati = nullptr;
    QLineEdit *edtSzelFok = nullptr, *edtSzelPerc = nullptr;
    QRadioButton *rgbEszaki = nullptr, *rgbDeli = nullptr;
    QComboBox* cmbTimeZoneSettings = nullptr;
    QLabel* lblIdozonaTipusa = nullptr;
    QToolButton* btnTimeZoneSelector = nullptr;
    QLineEdit *edtZonaOra = nullptr, *edtZonaPerc = nullptr;
    QCheckBox* chkNyariIdoszamitas = nullptr;
    QGroupBox* rgpDied = nullptr;
    QCheckBox* chkDied = nullptr;
    QLineEdit *edtDeathEv = nullptr, *edtDeathHo = nullptr, *edtDeathNap = nullptr;
    QLineEdit *edtDeathOra = nullptr, *edtDeathPerc = nullptr, *edtDeathMp = nullptr;
    QPlainTextEdit* memNotes = nullptr;
    QListWidget* memTags = nullptr;
    QLineEdit* edtTag = nullptr;
    QPushButton *btnAddTag = nullptr, *btnDelTag = nullptr;
    QPushButton* btnMost = nullptr;
    QPushButton* btnSetOriginalBirthDate = nullptr;
};

} // namespace velkaris
