#include "core/ZentavoConsts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <gtest/gtest.h>
#include <set>

using namespace velkaris;

namespace {

const QString FontFile =
    QStringLiteral(VELKARIS_SOURCE_DIR "/share/velkaris/fonts/VelkarisWIN.ttf");
const QString Family = QStringLiteral("VelkarisWIN");

struct TCode {
    char32_t Code;
    const char* What;
};

// Every character the chart draws in the symbol font, the alternatives of the symbol
// settings and the ego-state marker included.
constexpr TCode ChartCodes[] = {
    {U'q', "Aries"},
    {U'w', "Taurus"},
    {U'e', "Gemini"},
    {U'r', "Cancer"},
    {U't', "Leo"},
    {U'y', "Virgo"},
    {U'u', "Libra"},
    {U'i', "Scorpio"},
    {U'o', "Sagittarius"},
    {U'p', "Capricorn"},
    {U'[', "Aquarius"},
    {U']', "Pisces"},
    {U'a', "Sun"},
    {U's', "Moon"},
    {U'd', "Mercury"},
    {U'f', "Venus"},
    {U'g', "Mars"},
    {U'h', "Jupiter"},
    {U'j', "Saturn"},
    {U'k', "Uranus"},
    {U'!', "Uranus, second form"},
    {U'l', "Neptune"},
    {U';', "Pluto"},
    {U'\u00A6', "Pluto, second form"},
    {U'_', "Pluto, third form"},
    {U'A', "north node"},
    {U'Q', "south node"},
    {U'\u2021', "Lilith"},
    {U'L', "Earth"},
    {U'K', "Chiron"},
    {U'\u201A', "Pholus"},
    {U'F', "Ceres"},
    {U'G', "Pallas"},
    {U'H', "Juno"},
    {U'J', "Vesta"},
    {U'S', "ascendant"},
    {U'D', "midheaven"},
    {U'T', "imum coeli"},
    {U'z', "conjunction"},
    {U'x', "opposition"},
    {U'c', "square"},
    {U'm', "semisquare"},
    {U'<', "sesquiquadrate"},
    {U'b', "trine"},
    {U'n', "sextile"},
    {U'>', "semisextile"},
    {U'?', "quincunx"},
    {U'\u201E', "quintile"},
    {U'\u2020', "decile"},
    {U'\u2026', "bi-quintile"},
    {U'\u20AC', "ego-state marker"},
};

QString Text(char32_t code) {
    return QString::fromUcs4(&code, 1);
}

quint32 GlyphOf(const QRawFont& font, char32_t code) {
    const QList<quint32> glyphs = font.glyphIndexesForString(Text(code));
    return glyphs.size() == 1 ? glyphs.front() : 0;
}

class SymbolFont : public ::testing::Test {
protected:
    // The font goes into the application database once for the suite, the way the
    // main window adds it, and out again at the end.
    static void SetUpTestSuite() {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            s_FontId = QFontDatabase::addApplicationFont(FontFile);
    }
    static void TearDownTestSuite() {
        if (s_FontId >= 0)
            QFontDatabase::removeApplicationFont(s_FontId);
        s_FontId = -1;
    }
    void SetUp() override {
        ASSERT_NE(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), nullptr)
            << "the render tests provide the GUI application";
        ASSERT_GE(s_FontId, 0) << qPrintable(FontFile);
    }

    static QFont ChartFont(int pixelSize) {
        QFont font(Family);
        font.setPixelSize(pixelSize);
        font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
        return font;
    }

    static inline int s_FontId = -1;
};

} // namespace

TEST_F(SymbolFont, IsAddedUnderItsFamilyName) {
    EXPECT_EQ(QFontDatabase::applicationFontFamilies(s_FontId), QStringList{Family});
    EXPECT_EQ(QFontInfo(ChartFont(16)).family(), Family);
    const QRawFont raw(FontFile, 16);
    ASSERT_TRUE(raw.isValid());
    EXPECT_EQ(raw.familyName(), Family);
    EXPECT_EQ(raw.styleName(), QStringLiteral("Regular"));
}

TEST_F(SymbolFont, HasAGlyphForEveryChartCode) {
    const QRawFont raw(FontFile, 16);
    ASSERT_TRUE(raw.isValid());
    const QFontMetrics metrics(ChartFont(16));
    for (const TCode& c : ChartCodes) {
        EXPECT_TRUE(raw.supportsCharacter(c.Code)) << c.What;
        EXPECT_TRUE(metrics.inFontUcs4(c.Code)) << c.What;
        const quint32 glyph = GlyphOf(raw, c.Code);
        EXPECT_NE(glyph, 0u) << c.What;
        EXPECT_FALSE(raw.pathForGlyph(glyph).isEmpty()) << c.What << " has no outline";
    }
    EXPECT_TRUE(raw.supportsCharacter(U' '));
}

TEST_F(SymbolFont, GivesEveryCodeItsOwnGlyph) {
    // The alternative Uranus and Pluto forms, the two nodes and the letter aspects must
    // not fall together with another symbol.
    const QRawFont raw(FontFile, 16);
    std::set<quint32> glyphs;
    for (const TCode& c : ChartCodes)
        EXPECT_TRUE(glyphs.insert(GlyphOf(raw, c.Code)).second) << c.What;
}

TEST_F(SymbolFont, CoversEverySymbolOfTheCatalogue) {
    const QRawFont raw(FontFile, 16);
    std::set<char16_t> symbols;
    for (const TBodyConstInfo& body : BodyTable()) {
        if (body.Symbol && body.Symbol[0] && !body.Symbol[1])
            symbols.insert(body.Symbol[0]);
    }
    for (const TAxisConstInfo& axis : AxisTable()) {
        if (axis.Symbol && axis.Symbol[0] && !axis.Symbol[1])
            symbols.insert(axis.Symbol[0]);
    }
    for (int i = 0; i < SignCount; ++i) {
        symbols.insert(ZodiacSign(i).SignSymbol);
        symbols.insert(ZodiacSign(i).RulerSymbol);
    }
    for (int id = 1; id <= AspectCount; ++id)
        symbols.insert(AspectInfo(id).Symbol);
    // Bodies 21-23 carry ':' as a placeholder that is never drawn.
    symbols.erase(u':');
    // 20 distinct body symbols, 3 axes, 12 signs, 12 aspects.
    EXPECT_EQ(symbols.size(), 47u);
    for (char16_t symbol : symbols)
        EXPECT_TRUE(raw.supportsCharacter(QChar(symbol))) << std::hex << unsigned(symbol);
}

TEST_F(SymbolFont, LeavesThePlaceholderAndTheRawBytesOut) {
    const QRawFont raw(FontFile, 16);
    EXPECT_FALSE(raw.supportsCharacter(U':'));
    // The 8-bit codes live at their Windows-1250 characters, not at the C1 controls.
    for (char32_t c : {U'\u0080', U'\u0082', U'\u0084', U'\u0085', U'\u0086', U'\u0087'})
        EXPECT_FALSE(raw.supportsCharacter(c)) << std::hex << unsigned(c);
}

TEST_F(SymbolFont, KeepsEveryGlyphInsideItsCell) {
    // Measured on the outlines in font units, so that no hinting rounds them.
    const QRawFont probe(FontFile, 16);
    const qreal em = probe.unitsPerEm();
    const QRawFont raw(FontFile, em, QFont::PreferNoHinting);
    ASSERT_TRUE(raw.isValid());
    for (const TCode& c : ChartCodes) {
        const quint32 glyph = GlyphOf(raw, c.Code);
        const QRectF ink = raw.pathForGlyph(glyph).boundingRect();
        const QPointF advance = raw.advancesForGlyphIndexes(QList<quint32>{glyph}).value(0);
        EXPECT_GE(ink.top(), -raw.ascent()) << c.What;
        EXPECT_LE(ink.bottom(), raw.descent()) << c.What;
        EXPECT_GE(ink.left(), 0.0) << c.What;
        EXPECT_LE(ink.right(), advance.x()) << c.What;
        // Not shrunk to a speck: at least a third of the em high (the marker and the
        // minor aspects are the smallest).
        EXPECT_GE(ink.height(), em / 3) << c.What;
    }
}

TEST_F(SymbolFont, DrawsWithoutAntialiasingInTwoColours) {
    for (int px : {10, 16}) {
        const QFont font = ChartFont(px);
        for (const TCode& c : ChartCodes) {
            QImage image(px * 3, px * 2, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(px / 2, px * 3 / 2, Text(c.Code));
            }
            int ink = 0;
            bool twoColours = true;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
                    ink += pixel == 0;
                    twoColours = twoColours && (pixel == 0 || pixel == 0xFFFFFF);
                }
            }
            EXPECT_GT(ink, 4) << c.What << ' ' << px;
            EXPECT_TRUE(twoColours) << c.What << ' ' << px;
        }
    }
}
