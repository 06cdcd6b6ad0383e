// Whole wheels compared with reference pictures that a person has looked at.
//
// After a deliberate change of the drawing, run the render tests with
// VELKARIS_UPDATE_GOLDEN=1 to write new references into tests/render/golden/, look at
// every changed picture, and commit them with the change.

#include "WheelFixture.h"
#include "render/ChartPicture.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace velkaris;
using namespace velkaris::test;
namespace S = velkaris::SettingsSection;
namespace K = velkaris::SettingsKey;

namespace {

const QString GoldenFolder = QStringLiteral(VELKARIS_TEST_DATA_DIR "/render/golden");

/// Koch cusps of 20 March 2024, 04:06 UT, London.
constexpr std::array<double, 12> LondonCusps = {299.8818, 337.2122, 25.2144,  61.6777,
                                                77.3793,  95.5967,  119.8818, 157.2122,
                                                205.2144, 241.6777, 257.3793, 275.5967};

/// Pixels that may differ from the reference (a glyph's edge drawn a pixel off by another
/// font build), as a share of the picture.
constexpr double Tolerance = 0.002;

/// Which charts a picture shows.
enum class TCharts {
    /// The Budapest cusps with no bodies: the wheel's frame.
    Frame,
    /// The frame with the London cusps as a transit ring or shifted beside it.
    TwoFrames,
    /// Calculated charts with their bodies, aspects and markers.
    Natal,
    NatalWithTransit,
    /// 5 February 1962, seven bodies in Aquarius.
    Stellium,
};

struct TPictureCase {
    const char* Name;
    int Width, Height;
    std::function<void(TWheelSettings&)> Configure;
    TCharts Charts = TCharts::Frame;
    bool Overlay = true;
};

constexpr TBirthMoment Budapest1975{1975, 6, 15, 8, 30, 1, 47, 30, 19, 3};
constexpr TBirthMoment London2024{2024, 3, 20, 4, 6, 0, 51, 30, 0, 7, true};
constexpr TBirthMoment Budapest1962{1962, 2, 5, 8, 0, 1, 47, 30, 19, 3};

std::vector<std::unique_ptr<TCalcResult>> ChartsOf(const TPictureCase& c,
                                                   const TSettingsProvider& settings) {
    std::vector<std::unique_ptr<TCalcResult>> charts;
    const quint8 second = c.Overlay ? ChartKind::Transit : ChartKind::SynastryPartner;
    switch (c.Charts) {
    case TCharts::Frame:
        charts.push_back(HandBuiltChart(BudapestCusps));
        break;
    case TCharts::TwoFrames:
        charts.push_back(HandBuiltChart(BudapestCusps));
        charts.push_back(HandBuiltChart(LondonCusps, second));
        break;
    case TCharts::Natal:
        charts.push_back(CalculatedChart(Budapest1975, settings));
        break;
    case TCharts::NatalWithTransit:
        charts.push_back(CalculatedChart(Budapest1975, settings));
        charts.push_back(CalculatedChart(London2024, settings, second));
        break;
    case TCharts::Stellium:
        charts.push_back(CalculatedChart(Budapest1962, settings));
        break;
    }
    return charts;
}

// Test names and failure messages show the picture's name.
[[maybe_unused]] void PrintTo(const TPictureCase& c, std::ostream* out) {
    *out << c.Name;
}

int DifferingPixels(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            differing += (p[x] & 0xFFFFFF) != (q[x] & 0xFFFFFF);
    }
    return differing;
}

class GoldenPicture : public ::testing::TestWithParam<TPictureCase> {
protected:
    void SetUp() override { UseChartFonts(); }
};

} // namespace

TEST_P(GoldenPicture, MatchesItsReference) {
    const TPictureCase& c = GetParam();
    TWheelSettings settings;
    if (c.Configure)
        c.Configure(settings);
    const auto charts = ChartsOf(c, settings);
    TChartPictureRequest request;
    for (const auto& chart : charts)
        request.Charts.push_back(chart.get());
    request.Width = c.Width;
    request.Height = c.Height;
    request.Overlay = c.Overlay;
    const QImage picture =
        DrawChartPicture(request, settings, nullptr).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());

    const QString file = GoldenFolder + QLatin1Char('/') + QLatin1String(c.Name) + ".png";
    if (qEnvironmentVariableIntValue("VELKARIS_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(QDir().mkpath(GoldenFolder));
        ASSERT_TRUE(picture.save(file, "png"));
        GTEST_SKIP() << "wrote " << file.toStdString();
    }
    const QImage reference = QImage(file).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull()) << "no reference picture " << file.toStdString();
    ASSERT_EQ(reference.size(), picture.size());
    const int differing = DifferingPixels(picture, reference);
    if (differing > Tolerance * picture.width() * picture.height()) {
        const QString actual = QDir::temp().filePath(QLatin1String(c.Name) + ".actual.png");
        picture.save(actual, "png");
        FAIL() << differing << " pixels differ from " << file.toStdString()
               << "; the drawing is in " << actual.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Wheels, GoldenPicture,
    ::testing::Values(
        // A fresh installation's settings.
        TPictureCase{"natal-defaults-800x800", 800, 800, {}},
        // Roman angular houses, the rulers beside the signs, every tick band, the glyphs
        // across the whole ring, aspect lines up to the bodies, a wider base line.
        TPictureCase{"natal-options-700x900", 700, 900,
                     [](TWheelSettings& s) {
                         s.Set(S::chkbEgyebMegjelenitesek, K::HOUSENUMSBYARABICNUMBERS, false);
                         s.Set(S::chkbZodiakusJelek, K::KELL_E_ANALOG, true);
                         s.SetTicks(true, true, true);
                         s.Set(S::chkbFokjelolok, K::ZODIACDEGKULON, false);
                         s.Set(S::chkbFenyszogVonalak, K::FSZVONALPLANETAIG, true);
                         s.SetInteger(S::Vonalvastagsagok, K::Alapvonalak, 2);
                     }},
        // A transit as the outer ring: only its ascendant and midheaven marked.
        TPictureCase{"overlay-transit-900x700", 900, 700, {}, TCharts::TwoFrames, true},
        // Two charts side by side, shifted horizontally.
        TPictureCase{"shifted-horizontal-1000x600", 1000, 600,
                     [](TWheelSettings& s) {
                         s.SetInteger(S::rgrpTobbKepletElhelyezese, K::KepletElhelyezesiMod, 1);
                     },
                     TCharts::TwoFrames, false},
        // A calculated chart with every display option on.
        TPictureCase{"natal-everything-1000x1000", 1000, 1000, SwitchEverythingOn, TCharts::Natal},
        // The same with a transit as the outer ring.
        TPictureCase{"overlay-everything-1000x1000", 1000, 1000, SwitchEverythingOn,
                     TCharts::NatalWithTransit},
        // Seven bodies within 30 degrees, with the nodes and the minor bodies.
        TPictureCase{"stellium-everything-900x900", 900, 900, SwitchEverythingOn,
                     TCharts::Stellium}),
    [](const auto& info) {
        std::string name = info.param.Name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });
