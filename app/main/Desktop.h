#pragma once

#include "core/UserNotifier.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace velkaris {

/// The questions, file choices and shell actions a command leaves to the desktop, in one
/// place so that tests can answer them.
class TDesktop {
public:
    enum class TAnswer { Yes, No, Cancel };

    virtual ~TDesktop() = default;
    virtual bool AskYesNo(const QString& question) = 0;
    virtual TAnswer AskYesNoCancel(const QString& question) = 0;
    virtual void ShowError(const QString& message) = 0;
    virtual void ShowWarning(const QString& message) = 0;
    virtual void ShowInformation(const QString& message) = 0;
    /// Files chosen in the open dialog (several when `many`); empty when cancelled.
    virtual QStringList ChooseOpenFiles(const QString& title, const QString& folder,
                                        const QString& filter, bool many) = 0;
    /// The file chosen in the save dialog (it asks before overwriting); nullopt when
    /// cancelled.
    virtual std::optional<QString> ChooseSaveFile(const QString& title, const QString& proposed,
                                                  const QString& filter) = 0;
    /// A web or e-mail address the user types; nullopt when cancelled.
    virtual std::optional<QString> AskAddress() = 0;
    /// Hands a file, web address or e-mail address to the system's "open".
    virtual void OpenWithShell(const QString& target) = 0;
};

/// Tells the user through the desktop's message boxes what the layers below report.
class TDesktopNotifier : public TUserNotifier {
public:
    explicit TDesktopNotifier(TDesktop& desktop) : m_Desktop(desktop) {}
    void ShowMessage(TMessageKind kind, const QString& text) override {
        if (kind == TMessageKind::Error)
            m_Desktop.ShowError(text);
        else
            m_Desktop.ShowWarning(text);
    }

private:
    TDesktop& m_Desktop;
};

/// The desktop of Qt's standard dialogs and services, shown over `parent`.
class TQtDesktop : public TDesktop {
public:
    explicit TQtDesktop(QWidget* parent = nullptr) : m_Parent(parent) {}
    void SetParent(QWidget* parent) { m_Parent = parent; }

    bool AskYesNo(const QString& question) override;
    TAnswer AskYesNoCancel(const QString& question) override;
    void ShowError(const QString& message) override;
    void ShowWarning(const QString& message) override;
    void ShowInformation(const QString& message) override;
    QStringList ChooseOpenFiles(const QString& title, const QString& folder, const QString& filter,
                                bool many) override;
    std::optional<QString> ChooseSaveFile(const QString& title, const QString& proposed,
                                          const QString& filter) override;
    std::optional<QString> AskAddress() override;
    void OpenWithShell(const QString& target) override;

private:
    QWidget* m_Parent;
};

/// The portrait (`pictures`) or document the user picks to attach, in the open dialog
/// started in `folder`; nullopt when cancelled.
std::optional<QString> ChosenAttachment(TDesktop& desktop, const QString& folder, bool pictures);

} // namespace velkaris
