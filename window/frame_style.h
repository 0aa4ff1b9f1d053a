#pragma once

#include <QColor>
#include <QProxyStyle>

namespace ombrelo::window {

// The design's two colours.
inline constexpr QRgb kDesignBlue = qRgb(0, 0, 255);
inline constexpr QRgb kDesignWhite = qRgb(255, 255, 255);

// Draws a frame the classic way: the design's blue, an etched border whose top runs through
// the middle of the caption, and the caption in white a little in from the left. Everything
// else is left to the style it wraps. Set on the frames only; their children keep the
// application's style and palette.
class FrameStyle final : public QProxyStyle {
  public:
    // The one instance, owned by the application object so that it outlives every frame.
    static FrameStyle* Shared();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

}  // namespace ombrelo::window
