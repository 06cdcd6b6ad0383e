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

/// A view-only window that follows the country table's current row while it is shown:
/// it moves the row to "H" when it opens and stops following when it closes.
class TCountryFollowingDialog : public QDialog, protected TTableObserver {
    Q_OBJECT
public:
    TCountryFollowingDialog(TDataTable& countries, QWidget* parent);
    ~TCountryFollowingDialog() override;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void RowsChanged() override {}
    /// Shows what belongs to the country row now current.
    void CurrentRowChanged() override = 0;
    /// Stops following; a subclass undoes what following changed and calls this.
    virtual void Unfollow();
    /// Called when the window opens, before the row moves to "H".
    virtual void Opening() {}

    TDataTable& m_Countries;
};

/// The view-only window "Országok és időzónáik...": the countries, and for the current
/// country the first-version zone of its `TimeZoneCode`.
///
/// While it is shown it follows the country table's current row, which it moves to
/// country "H" when it opens; a row whose zone is not found keeps the labels of the
/// previous row. It changes no table.
class TfrmCountryAndTimeZone : public TCountryFollowingDialog {
    Q_OBJECT
public:
    /// `places` is not owned and must outlive the window.
    explicit TfrmCountryAndTimeZone(TDataSetInfoProvider& places, QWidget* parent = nullptr);

private:
    void Opening() override;
    void CurrentRowChanged() override;

    TDataSetInfoProvider& m_Places;
    QLabel* m_ZoneName = nullptr;
    QLabel* m_Delta = nullptr;
    QLabel* m_Type = nullptr;
};

} // namespace velkaris
