#include "LifeStrategyGrid.h"

#include "core/CalcResult.h"
#include "core/Messages.h"
#include "core/ZentavoConsts.h"

#include <QStringList>

namespace velkaris {

TLifeStrategyGridTexts LifeStrategyGridTexts(const TCalcResult& result) {
    TLifeStrategyGridTexts grid;
    for (int i = 1; i <= 3; ++i)
        grid.Cells[0][static_cast<size_t>(i)] =
            GetMessageText(MessageFamilyName(u"fEletStartMegnyMod", i));
    grid.Cells[0][4] = GetMessageText(u"fEletStartMegnyModOssz");
    for (int j = 1; j <= 4; ++j)
        grid.Cells[static_cast<size_t>(j)][0] =
            GetMessageText(MessageFamilyName(u"fEletStartMin", j));
    grid.Cells[5][0] = GetMessageText(u"fEletStartMinOssz");

    for (int i = 1; i < TLifeStrategyGridTexts::Columns; ++i) {
        for (int j = 1; j < TLifeStrategyGridTexts::Rows; ++j)
            grid.Cells[static_cast<size_t>(j)][static_cast<size_t>(i)] =
                QString::number(result.LifeStrategy(i, j));
    }
    return grid;
}

QString LifeStrategySignList(const QByteArray& signs) {
    QStringList parts;
    for (const char byte : signs) {
        const int sign = static_cast<unsigned char>(byte);
        if (sign >= SignCount)
            continue;
        parts << ZodiacSign(sign).Name() + QStringLiteral(" / ") + HouseName(sign + 1);
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace velkaris
