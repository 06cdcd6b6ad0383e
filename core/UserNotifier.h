#pragma once

#include <QString>

namespace velkaris {

enum class TMessageKind { Warning, Error, Information };

/// How code below the windows tells the user something; the application implements it
/// with message boxes, the command-line tool with standard error.
class TUserNotifier {
public:
    virtual ~TUserNotifier() = default;
    virtual void ShowMessage(TMessageKind kind, const QString& text) = 0;
};

} // namespace velkaris
