#include "twostar/panel/compact_style.h"

#include <QStyleFactory>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace twostar {

CompactStyle::CompactStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight: return 13;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
    case PM_ButtonMargin: return 2;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

namespace {

constexpr int kTitleLeft = 8;

QRect groupBoxTitleRect(const QStyleOptionComplex* option) {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  const QString text = box ? box->text : QString();
  const int width = text.isEmpty() ? 0 : option->fontMetrics.horizontalAdvance(text) + 4;
  return {option->rect.left() + kTitleLeft, option->rect.top(), width, option->fontMetrics.height()};
}

}  // namespace

// A classic group box: an etched frame line through the middle of the title,
// the title on the container's own background, nothing filled inside.
void CompactStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || !box) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  painter->save();
  const QRect frame = subControlRect(CC_GroupBox, option, SC_GroupBoxFrame, widget).adjusted(0, 0, -2, -2);
  painter->setPen(option->palette.color(QPalette::Dark));
  painter->drawRect(frame);
  painter->setPen(option->palette.color(QPalette::Light));
  painter->drawRect(frame.translated(1, 1));
  const QRect title = groupBoxTitleRect(option);
  if (title.width() > 0) {
    painter->fillRect(title, option->palette.window());
    proxy()->drawItemText(painter, title, Qt::AlignCenter, option->palette, option->state & State_Enabled, box->text,
                          QPalette::WindowText);
  }
  painter->restore();
}

QRect CompactStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                   const QWidget* widget) const {
  if (control != CC_GroupBox) return QProxyStyle::subControlRect(control, option, sub, widget);
  const int titleHeight = option->fontMetrics.height();
  switch (sub) {
    case SC_GroupBoxLabel: return groupBoxTitleRect(option);
    case SC_GroupBoxFrame: return option->rect.adjusted(0, titleHeight / 2, 0, 0);
    case SC_GroupBoxContents: return option->rect.adjusted(2, titleHeight, -2, -2);
    default: return QProxyStyle::subControlRect(control, option, sub, widget);
  }
}

}  // namespace twostar
