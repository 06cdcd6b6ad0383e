#include "OrbEdit.h"

#include "OrbisSettingsModel.h"

#include <QFocusEvent>
#include <QRegularExpression>
#include <QValidator>

namespace velkaris {

namespace {

// Lets through what can still grow into an orb; the edit settles anything unfinished
// when it is committed.
class TOrbValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*pos*/) const override {
        static const QRegularExpression partial(
            QStringLiteral("^\\s*\\d{0,3}([.,]\\d{0,6})?\\s*$"));
        if (!partial.match(input).hasMatch())
            return Invalid;
        const std::optional<double> orb = TOrbisSettingsModel::ParseOrb(input);
        if (orb)
            return Acceptable;
        // A number that is still no orb is too large; without digits it is unfinished.
        static const QRegularExpression digit(QStringLiteral("\\d"));
        return input.contains(digit) ? Invalid : Intermediate;
    }
};

} // namespace

TOrbEdit::TOrbEdit(const QString& decimalPoint, QWidget* parent)
    : QLineEdit(parent), m_DecimalPoint(decimalPoint) {
    setValidator(new TOrbValidator(this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000,0000")) + 16);
}

void TOrbEdit::SetValue(double orbDeg) {
    m_Value = orbDeg;
    setText(TOrbisSettingsModel::FormatOrb(orbDeg, m_DecimalPoint));
}

double TOrbEdit::Commit() {
    if (const std::optional<double> orb = TOrbisSettingsModel::ParseOrb(text()))
        m_Value = *orb;
    setText(TOrbisSettingsModel::FormatOrb(m_Value, m_DecimalPoint));
    return m_Value;
}

void TOrbEdit::focusOutEvent(QFocusEvent* event) {
    // A context menu takes the focus only for a moment; its paste must find the text.
    if (event->reason() != Qt::PopupFocusReason)
        Commit();
    QLineEdit::focusOutEvent(event);
}

} // namespace velkaris
