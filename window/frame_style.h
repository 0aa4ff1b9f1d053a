#pragma once

#include <QProxyStyle>

namespace ombrelo::window {

// Draws a frame the classic way: an etched border whose top runs through the middle of the
// caption, the caption on the frame's own background a little in from the left. Everything
// else is left to the style it wraps. Set on the frames only; their children keep the
// application's style.
class FrameStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

}  // namespace ombrelo::window
