#pragma once

#include <QProxyStyle>

namespace twostar {

// Fusion with 13-pixel check and radio indicators, tight label spacing and
// button margins, so that single digits, "留"/"删" and "容错" fit the panel's
// 24- and 32-pixel boxes; group box titles sit on the frame line, above the
// first row.
class CompactStyle : public QProxyStyle {
 public:
  CompactStyle();
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget = nullptr) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace twostar
