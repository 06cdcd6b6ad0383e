#include "Messages.h"

#include "LangManager.h"

namespace velkaris {

QString GetMessageText(QStringView constName) {
    return LangManager::Instance().GetMessageText(constName);
}

QString MessageFamilyName(QStringView prefix, int index) {
    return prefix.toString() + QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

} // namespace velkaris
