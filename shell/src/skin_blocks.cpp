// The 68 skin looks, made from a small table of hues and tones rather than
// written out one by one. Skin 2, the one the program uses, is a calm light
// blue-grey look that suits the panel's blue.

#include <QColor>
#include <QPalette>

#include "skin_format.h"
#include "twostar/shell/skin.h"

namespace twostar {

namespace {

struct Colours {
  QColor window, base, button, text, border, hover, pressed, highlight, disabledText;
};

Colours coloursOf(int look) {
  if (look == 1) {  // skin 2
    return {QColor(0xEC, 0xF1, 0xF7), Qt::white, QColor(0xF5, 0xF8, 0xFC), QColor(0x1E, 0x2A, 0x38),
            QColor(0x8C, 0xA6, 0xC4), QColor(0xE2, 0xEE, 0xFA), QColor(0xC9, 0xDC, 0xF0), QColor(0x3D, 0x7F, 0xC9),
            QColor(0x8A, 0x96, 0xA4)};
  }
  // 17 hues times 4 tones, from very light to muted; text stays dark on all.
  const int hue = (200 + 360 * (look % 17) / 17) % 360;
  const int tone = look / 17;
  const int lightness[] = {244, 234, 222, 208};
  const int saturation[] = {60, 90, 110, 70};
  const QColor window = QColor::fromHsl(hue, saturation[tone], lightness[tone]);
  return {window,
          Qt::white,
          QColor::fromHsl(hue, saturation[tone], qMin(250, lightness[tone] + 8)),
          QColor::fromHsl(hue, 40, 30),
          QColor::fromHsl(hue, 70, 150),
          QColor::fromHsl(hue, saturation[tone] + 30, qMin(248, lightness[tone] + 4)),
          QColor::fromHsl(hue, saturation[tone] + 40, lightness[tone] - 24),
          QColor::fromHsl(hue, 160, 110),
          QColor::fromHsl(hue, 20, 140)};
}

skin::SkinLook lookOf(int look) {
  const Colours c = coloursOf(look);
  const auto entry = [](QPalette::ColorRole role, const QColor& colour) {
    return skin::PaletteEntry{static_cast<std::uint8_t>(role), static_cast<std::uint8_t>(colour.red()),
                              static_cast<std::uint8_t>(colour.green()), static_cast<std::uint8_t>(colour.blue())};
  };
  skin::SkinLook l;
  l.palette = {entry(QPalette::Window, c.window),         entry(QPalette::Base, c.base),
               entry(QPalette::Button, c.button),         entry(QPalette::WindowText, c.text),
               entry(QPalette::Text, c.text),             entry(QPalette::ButtonText, c.text),
               entry(QPalette::Highlight, c.highlight),   entry(QPalette::HighlightedText, Qt::white),
               entry(QPalette::Mid, c.border),            entry(QPalette::Dark, c.border.darker(130))};
  // Only buttons, edit boxes and the tab frame are styled: check boxes, radio
  // buttons and group boxes keep the compact style's indicators and frames.
  l.styleSheet = QString(
                     "QPushButton { color: %1; background-color: %2; border: 1px solid %3; border-radius: 3px;"
                     " padding: 0px; }\n"
                     "QPushButton:hover { background-color: %4; }\n"
                     "QPushButton:pressed { background-color: %5; }\n"
                     "QPushButton:disabled { color: %6; }\n"
                     "QLineEdit, QPlainTextEdit { border: 1px solid %3; }\n"
                     "QTabWidget::pane { border: 1px solid %3; }\n")
                     .arg(c.text.name(), c.button.name(), c.border.name(), c.hover.name(), c.pressed.name(),
                          c.disabledText.name())
                     .toStdString();
  return l;
}

}  // namespace

std::vector<unsigned char> skinBlock(int number) {
  if (number < 1 || number > 69) return {};
  // Numbers 9 and 36 name the same block; the others each have their own.
  const int look = number < 36 ? number - 1 : number == 36 ? 8 : number - 2;
  return skin::encodeSkinBlock(lookOf(look));
}

}  // namespace twostar
