#pragma once

#include "app/main/Desktop.h"
#include "data/ProgramFolders.h"

#include <QStringList>
#include <optional>

class QTemporaryDir;

namespace velkaris::test {

/// Questions and file choices answered from fields, and remembered.
class TFakeDesktop : public TDesktop {
public:
    bool AskYesNo(const QString& question) override {
        Questions << question;
        return YesNo;
    }
    TAnswer AskYesNoCancel(const QString& question) override {
        Questions << question;
        return Answer;
    }
    void ShowError(const QString& message) override { Errors << message; }
    void ShowWarning(const QString& message) override { Warnings << message; }
    void ShowInformation(const QString& message) override { Informations << message; }
    QStringList ChooseOpenFiles(const QString&, const QString& folder, const QString&,
                                bool) override {
        OpenFolders << folder;
        return Open;
    }
    std::optional<QString> ChooseSaveFile(const QString& title, const QString& proposed,
                                          const QString&) override {
        SaveTitles << title;
        Proposed << proposed;
        return Save;
    }
    std::optional<QString> AskAddress() override { return std::nullopt; }
    void OpenWithShell(const QString& target) override { Shell << target; }

    QStringList Questions, Errors, Warnings, Informations, OpenFolders, SaveTitles, Proposed, Shell;
    QStringList Open;
    std::optional<QString> Save;
    bool YesNo = true;
    TAnswer Answer = TAnswer::No;
};

/// A home folder and a user configuration folder of their own for one test: the
/// environment points at them, the symbol font is there, the home layout exists.
/// Empty folders when the layout cannot be made.
TProgramFolders PrepareHome(const QTemporaryDir& home, const QTemporaryDir& config);

} // namespace velkaris::test
