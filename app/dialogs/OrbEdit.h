#pragma once

#include <QLineEdit>

namespace velkaris {

/// A line edit for one orb in degrees.
///
/// Only digits with one "," or "." (and blanks around them) can be typed, up to
/// `TOrbisSettingsModel::MaxOrbDeg`.
/// The edit holds the last valid value: when it loses focus or is committed, a readable
/// text becomes the value and is shown again in the orb table's number form, while an empty
/// or unfinished text is replaced by the value it held.
class TOrbEdit : public QLineEdit {
public:
    /// An edit that shows numbers with `decimalPoint` as separator.
    explicit TOrbEdit(const QString& decimalPoint, QWidget* parent = nullptr);

    /// The last valid value, degrees.
    double Value() const { return m_Value; }
    /// Shows `orbDeg` and makes it the held value.
    void SetValue(double orbDeg);
    /// Takes over the text when it is a valid orb, else restores the held value; returns
    /// the value held afterwards.
    double Commit();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString m_DecimalPoint;
    double m_Value = 0;
};

} // namespace velkaris
