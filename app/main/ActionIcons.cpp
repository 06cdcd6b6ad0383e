#include "ActionIcons.h"

#include "render/GlyphElements.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace velkaris::ActionIcons {

namespace {

constexpr int Side = 24;

/// A sheet of paper with a folded corner.
void Sheet(QPainter& p) {
    QPainterPath path;
    path.moveTo(5, 2);
    path.lineTo(14, 2);
    path.lineTo(19, 7);
    path.lineTo(19, 22);
    path.lineTo(5, 22);
    path.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(14, 2, 14, 7);
    p.drawLine(14, 7, 19, 7);
}

void Draw(QPainter& p, const QByteArray& name) {
    p.setPen(QPen(QColor(0x30, 0x3a, 0x50), 1.5));
    if (name == "document-new" || name == "document-properties") {
        Sheet(p);
        if (name == "document-properties") {
            for (int y : {11, 15, 19})
                p.drawLine(8, y, 16, y);
        }
    } else if (name == "document-open") {
        p.setBrush(QColor(0xf2, 0xc9, 0x4c));
        p.drawRect(2, 7, 20, 13);
        p.drawRect(2, 4, 8, 3);
    } else if (name == "document-save" || name == "document-save-as") {
        p.setBrush(QColor(0x4a, 0x6f, 0xb5));
        p.drawRect(3, 3, 18, 18);
        p.setBrush(Qt::white);
        p.drawRect(7, 3, 10, 7);
        if (name == "document-save-as")
            p.drawLine(14, 14, 20, 20);
    } else if (name == "document-close" || name == "window-close") {
        p.setPen(QPen(QColor(0xc0, 0x30, 0x30), 2.5));
        p.drawLine(6, 6, 18, 18);
        p.drawLine(18, 6, 6, 18);
        if (name == "window-close")
            p.drawRect(2, 2, 20, 20);
    } else if (name == "application-exit") {
        p.drawRect(4, 3, 10, 18);
        p.drawLine(12, 12, 21, 12);
        p.drawLine(21, 12, 17, 8);
        p.drawLine(21, 12, 17, 16);
    } else if (name == "view-fullscreen") {
        p.drawRect(3, 5, 18, 14);
        p.drawLine(7, 9, 11, 9);
        p.drawLine(7, 9, 7, 12);
        p.drawLine(17, 15, 13, 15);
        p.drawLine(17, 15, 17, 12);
    } else if (name == "starred") {
        QPolygonF star;
        for (int k = 0; k < 10; ++k) {
            const double r = k % 2 == 0 ? 10 : 4;
            const double a = -M_PI / 2 + k * M_PI / 5;
            star << QPointF(12 + r * std::cos(a), 12 + r * std::sin(a));
        }
        p.setBrush(QColor(0xf2, 0xc9, 0x4c));
        p.drawPolygon(star);
    } else {
        p.drawEllipse(6, 6, 12, 12);
    }
}

} // namespace

QIcon Standard(const char* themeName) {
    QIcon icon = QIcon::fromTheme(QLatin1String(themeName));
    if (!icon.isNull())
        return icon;
    QPixmap picture(Side, Side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter, QByteArray(themeName));
    painter.end();
    return QIcon(picture);
}

QIcon Glyph(QChar character) {
    QPixmap picture(Side, Side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font(SymbolFontName);
    font.setPixelSize(Side - 2);
    painter.setFont(font);
    painter.setPen(QColor(0x30, 0x3a, 0x50));
    painter.drawText(QRect(0, -3, Side, Side + 6), Qt::AlignCenter, QString(character));
    painter.end();
    return QIcon(picture);
}

} // namespace velkaris::ActionIcons
