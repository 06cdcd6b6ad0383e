#pragma once

#include "data/DataTable.h"

#include <QDialog>

class QDialogButtonBox;
class QGroupBox;
class QLabel;

namespace velkaris {

class TDataSetInfoProvider;
class TDataTableGrid;

/// The country table's grid with its navigator, framed as " Ország adatok... ": the
/// columns `CountryCode`, `DisplayName` and `TimeZoneCode`.
QGroupBox* CreateCountryGroup(TDataTable& countries, QWidget* parent);
/// The buttons "Rendben" (`btnRendben`) and "Mégsem" (`btnMegsem`) that close `dialog`.
QDialogButtonBox* CreateCloseButtons(QDialog* dialog);

/// The view-only window "Országok és időzónáik...": the countries, and for the current
/// country the first-version zone of its `TimeZoneCode`.
///
/// While it is shown it follows the country table's current row, which it moves to
/// country "H" when it opens; a row whose zone is not found keeps the labels of the
/// previous row. It changes no table.
class TfrmCountryAndTimeZone : public QDialog, private TTableObserver {
    Q_OBJECT
public:
    /// `places` is not owned and must outlive the window.
    explicit TfrmCountryAndTimeZone(TDataSetInfoProvider& places, QWidget* parent = nullptr);
    ~TfrmCountryAndTimeZone() override;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RowsChanged() override {}
    void CurrentRowChanged() override;
    void Unfollow();

    TDataSetInfoProvider& m_Places;
    TDataTable& m_Countries;
    QLabel* m_ZoneName = nullptr;
    QLabel* m_Delta = nullptr;
    QLabel* m_Type = nullptr;
};

} // namespace velkaris
