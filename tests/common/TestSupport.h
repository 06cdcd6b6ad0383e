#pragma once

#include "core/DateTime.h"
#include "core/UserNotifier.h"

#include <QList>
#include <QStringList>

namespace velkaris::test {

/// A date-time the test knows to be valid.
inline TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return *TDateTime::FromParts(y, mo, d, h, mi, s);
}

/// Keeps every message the code under test shows the user.
class TRecordingNotifier : public TUserNotifier {
public:
    void ShowMessage(TMessageKind kind, const QString& text) override {
        Kinds << kind;
        Texts << text;
    }
    QList<TMessageKind> Kinds;
    QStringList Texts;
};

} // namespace velkaris::test
