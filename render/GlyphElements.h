#pragma once

#include "CanvasTypes.h"

#include <QString>
#include <functional>
#include <memory>

namespace velkaris {

class TChartCanvas;
class TImageCanvas;
class TPlanet;
class TSettingsProvider;

/// Face of the chart symbol font.
inline const QString SymbolFontName = QStringLiteral("VelkarisWIN");

class TBaseGraphicControl;
/// What a mouse-button release on an element reports: the element and the button
/// (Qt::MouseButton value).
using TElementClickHandler = std::function<void(TBaseGraphicControl& element, int button)>;

/// A symbol on the wheel the user can point at: a small rectangle with its own picture,
/// placed over the chart picture by the drawing steps and reused on every redraw.
///
/// A plain object: the chart view paints the visible elements over the picture (pixels
/// of the picture's background `Colour` are left out, so only the glyph shows), hit-tests
/// them and forwards clicks; on paper `PaintOnto` draws them into the page.
class TBaseGraphicControl {
public:
    TBaseGraphicControl();
    TBaseGraphicControl(const TBaseGraphicControl&) = delete;
    TBaseGraphicControl& operator=(const TBaseGraphicControl&) = delete;
    virtual ~TBaseGraphicControl();

    /// Background of the picture.
    TCanvasColour Colour = CanvasWhite;
    /// Added to the height of centred texts.
    int PadHeight = 1;
    /// Bodies: the position within the sign as text.
    QString DegreeText;
    /// Font size of the glyph, points.
    int GlyphSize = 8;
    /// Descriptive text with "@" marks for line breaks.
    QString HintSource;
    /// What the element shows: sign index, house number, body id, marker key.
    int ElementId = 0;
    /// The characters drawn.
    QString GlyphText;
    /// y of the text inside the picture.
    int TextTop = 1;
    /// Text centred horizontally (else at x = 1).
    bool CentreText = true;
    int ChartIndex = 0;
    /// Bodies: the house-lord text.
    QString LordsText;
    /// The picture is neither filled nor given text; the class paints it itself.
    bool Transparent = false;
    /// `HintSource` with every "@" a carriage return.
    QString LongHint;
    QString ShortHint;

    /// Where the element lies on the chart picture, pixels.
    int Left = 0;
    int Top = 0;
    int Width = 2;
    int Height = 2;
    bool Visible = true;
    /// The element's font; the size is normally `GlyphSize`.
    TCanvasFont Font;
    /// Called on a mouse-button release over the element; none by default.
    TElementClickHandler OnMouseUp;

    TCanvasRect BoundsRect() const { return {Left, Top, Left + Width, Top + Height}; }
    /// Moves the element's top-left corner.
    void SetPosition(int left, int top);

    /// Shows `id`: sets the glyph text, sizes the element to it and redraws its picture.
    /// Called again after every change of `GlyphSize`, `Colour` or a text.
    void SetElementId(int id);
    /// Sizes the element to its texts in its font, the text centred or not.
    void ResizeToText(bool centred);
    /// `HintSource` := text, `LongHint` := text with "@" turned into carriage returns.
    void SetHintSource(const QString& text);
    /// The element's picture (Width by Height); the chart view shows it transparently.
    const TImageCanvas& Picture() const { return *m_Picture; }
    /// Draws the element into a page at its position with the face and size given.
    virtual void PaintOnto(TChartCanvas& surface, const QString& face, int size,
                           TBrushStyle brushStyle, const TSettingsProvider& settings) const;

protected:
    /// The characters the element draws for `id`.
    virtual QString GlyphTextFor(int id) const = 0;
    /// Sets the texts and font that depend on the id before the element is sized.
    virtual void PrepareForId() {}
    /// Extra extent a subclass adds to the text's (marker shapes), measured on `measure`,
    /// which carries the element's font.
    virtual void AddExtraExtent(const TChartCanvas& measure, int& extraHeight,
                                int& extraWidth) const;
    /// Called after the element was resized to its texts.
    virtual void Resized() {}
    /// Draws the text into a freshly sized picture (not for transparent elements).
    void PaintText();
    /// Gives the picture the element's size (its pixels are undefined afterwards).
    void ResizePicture();
    /// A surface with the element's font for measuring and drawing.
    TImageCanvas& PictureCanvas() { return *m_Picture; }
    void ApplyFont(TChartCanvas& canvas) const;
    /// Draws `text` centred in the element's rectangle on the page.
    void PaintCentredText(TChartCanvas& surface, const QString& text) const;

private:
    std::unique_ptr<TImageCanvas> m_Picture;
};

/// The glyph of a zodiac sign (id 0 Aries ... 11 Pisces).
class TZodiacSignGraphicControl : public TBaseGraphicControl {
protected:
    QString GlyphTextFor(int id) const override;
};

/// The glyph of the body ruling sign `id`, shown beside the sign.
class TPlanetZodiacSignGraphicControl : public TBaseGraphicControl {
protected:
    QString GlyphTextFor(int id) const override;
};

/// A house number (id 1-12) in the label face.
class THouseNumberGraphicControl : public TBaseGraphicControl {
public:
    THouseNumberGraphicControl();
    /// The cusp the number belongs to (its sign and degree go into the hint).
    double CuspLongitude = 0;
    /// "1" ... "12"; false writes the angular houses in Roman numerals.
    bool ArabicNumerals = true;

protected:
    QString GlyphTextFor(int id) const override;
};

/// The glyph of a body or axis point on the body ring, with where it was meant to go
/// and where it was put.
class TPlanetSignGraphicControl : public TBaseGraphicControl {
public:
    TPlanetSignGraphicControl();
    int PlannedLeft = 0;
    double DisplayLongitude = 0;
    int PlannedTop = 0;
    int PlacedLeft = 0;
    double TrueLongitude = 0;
    int PlacedTop = 0;
    /// The body shown; not owned, none for an axis point.
    const TPlanet* Body = nullptr;
    QString BodyName;
    /// Turns a body id into the text drawn for it (the chart's symbol settings and star
    /// names); without it the element draws nothing.
    std::function<QString(int id)> SymbolSource;

    /// `Body` := body, and the glyph is drawn again for the element's id.
    void SetBody(const TPlanet* body);
    void SetPlannedLeft(int x) { PlannedLeft = x; }
    void SetPlannedTop(int y) { PlannedTop = y; }
    void SetDisplayLongitude(double longitude) { DisplayLongitude = longitude; }
    /// Puts the element at (x, y) and records that as both planned and placed.
    void Place(int x, int y);
    void SetTrueLongitude(double longitude) { TrueLongitude = DisplayLongitude = longitude; }

    void PaintOnto(TChartCanvas& surface, const QString& face, int size, TBrushStyle brushStyle,
                   const TSettingsProvider& settings) const override;

protected:
    QString GlyphTextFor(int id) const override;
    void PrepareForId() override;
};

/// An ego-state marker: a disc, or an arrowhead pointing at its target.
class TSelfMarkerGraphicControl : public TBaseGraphicControl {
public:
    TSelfMarkerGraphicControl();
    int TargetX = 0;
    int TargetY = 0;
    /// Draw an arrowhead at the target instead of a disc.
    bool PointerMode = false;
    /// The shape has been drawn since the last placement or resize.
    bool Painted = false;
    /// Outline width of the disc on screen, pixels.
    int PenWidth = 1;

    /// Points the marker at (x, y) (chart picture coordinates) and draws its shape.
    void SetTarget(int x, int y);

    void PaintOnto(TChartCanvas& surface, const QString& face, int size, TBrushStyle brushStyle,
                   const TSettingsProvider& settings) const override;

protected:
    QString GlyphTextFor(int id) const override;
    void AddExtraExtent(const TChartCanvas& measure, int& extraHeight,
                        int& extraWidth) const override;
    void Resized() override { Painted = false; }

private:
    void PaintShape();
};

/// A house-lord number under a body glyph; keyed by its body and text.
class THouseLordGraphicControl : public TBaseGraphicControl {
public:
    THouseLordGraphicControl();
    QString LordText;
    int LordBody = -1;

    /// Sizes the element to `text` and draws it.
    void SetCaption(const QString& text);

protected:
    QString GlyphTextFor(int id) const override;
};

/// The glyph characters of the symbol font.
namespace GlyphText {
/// Sign `sign` 0-11.
QString Sign(int sign);
/// The body ruling sign `sign` 0-11.
QString SignRuler(int sign);
/// House `house` 1-12, with Roman numerals for the angular houses unless `arabic`.
QString HouseNumeral(int house, bool arabic);
/// Aspect 1-12.
QString Aspect(int aspect);
/// The ego-state marker.
inline constexpr QChar SelfMarker = QChar(0x20AC);
} // namespace GlyphText

} // namespace velkaris
