#pragma once

#include <QColor>
#include <QProxyStyle>

namespace ombrelo::window {

// The design's two colours.
inline constexpr QRgb kDesignBlue = qRgb(0, 0, 255);
inline constexpr QRgb kDesignWhite = qRgb(255, 255, 255);

// The contrast ratio of two colours by their relative luminance (WCAG 2.1): 1 to 21.
double ContrastRatio(QColor first, QColor second);

// Font sizes are in points and the layout in pixels at 96 dpi. Where the desktop's scaling is
// off and its font dpi is not 96, points are scaled by this so that text keeps the size
// the layout was made for; 1 wherever Qt scales the whole window itself.
qreal DesignPointScale();

// The style of every control in the window, whatever style the desktop picks: the fixed
// layout was measured in Fusion's metrics (indicator sizes, margins, arrows), so its controls
// keep Fusion, coloured by the desktop's palette. On top of Fusion:
// - a frame is drawn the classic way: the design's blue, an etched border of the design's
//   colours whose top runs through the middle of the caption, the caption in white;
// - every outline drawn on the blue (boxes, buttons, option discs) reaches 3:1 against it
//   under any palette, and the option discs are the design's white.
class FormStyle final : public QProxyStyle {
  public:
    // The one instance, owned by the application object so that it outlives every control.
    static FormStyle* Shared();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

  private:
    FormStyle();
};

}  // namespace ombrelo::window
