#pragma once

#include <QDialog>

class QLabel;

namespace velkaris {

/// The small "Kérem várjon..." window shown around long work on the user-interface
/// thread: it blocks input to the other windows of the program while it is open and is
/// painted before the work starts.
class TfrmWait : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWait(QWidget* parent = nullptr);

    /// Shows the window with `text` (the default text when it is empty) and lets it paint.
    void ShowText(const QString& text = {});
    /// Closes the window.
    void CloseWait();

    QString Text() const;

private:
    QLabel* m_Text;
};

/// Shows a wait window for the lifetime of the object.
class TWaitWindowScope {
public:
    TWaitWindowScope(TfrmWait& window, const QString& text = {}) : m_Window(window) {
        m_Window.ShowText(text);
    }
    ~TWaitWindowScope() { m_Window.CloseWait(); }
    TWaitWindowScope(const TWaitWindowScope&) = delete;
    TWaitWindowScope& operator=(const TWaitWindowScope&) = delete;

private:
    TfrmWait& m_Window;
};

} // namespace velkaris
