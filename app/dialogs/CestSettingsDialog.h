#pragma once

#include "CountryAndTimeZoneDialog.h"
#include "data/DataTable.h"

#include <QDialog>

namespace velkaris {

class TDataSetInfoProvider;

/// The view-only window "Nyári / Téli időszámítás-beállítások": the countries, and the
/// zone and daylight-saving rules of the current country.
///
/// While it is shown the rule table is filtered to the rows of the current country (its
/// code compared exactly) and the filter follows the country table's current row, which
/// moves to "H" when the window opens. Closing it removes the filter, so that the zone
/// queries see every rule again. It changes no table.
class TfrmCestSettings : public TCountryFollowingDialog {
    Q_OBJECT
public:
    /// `places` is not owned and must outlive the window.
    explicit TfrmCestSettings(TDataSetInfoProvider& places, QWidget* parent = nullptr);
    ~TfrmCestSettings() override;

private:
    void CurrentRowChanged() override;
    void Unfollow() override;

    TDataTable& m_Rules;
};

} // namespace velkaris
