// SkinH_EL: the skin library. The program writes it next to itself and calls
// SkinH_AttachRes with a skin block; the library gives the application the
// block's palette and style sheet.

#include <QApplication>
#include <QPalette>

#include "skin_format.h"

#if defined(_WIN32)
#define SKIN_EXPORT extern "C" __declspec(dllexport)
#else
#define SKIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// Which build of the program this library belongs to; the program checks it
// before calling anything else.
SKIN_EXPORT const char* SkinH_BuildId() { return TWOSTAR_SKIN_BUILD_ID; }

// Applies the skin block `data` of `length` bytes. `text` and the three
// integers are reserved and must be empty and 0. Returns 0 when applied,
// 1 when the block or the arguments were refused (nothing changed then).
SKIN_EXPORT int SkinH_AttachRes(const unsigned char* data, int length, const char* text, int reserved1,
                                int reserved2, int reserved3) {
  if (length < 0 || (text && *text) || reserved1 || reserved2 || reserved3 || !qApp) return 1;
  const auto look = twostar::skin::decodeSkinBlock(data, static_cast<std::size_t>(length));
  if (!look) return 1;
  for (const auto& e : look->palette) {
    if (e.role >= QPalette::NColorRoles) return 1;
  }
  QPalette palette = QApplication::palette();
  for (const auto& e : look->palette) {
    palette.setColor(static_cast<QPalette::ColorRole>(e.role), QColor(e.red, e.green, e.blue));
  }
  QApplication::setPalette(palette);
  qApp->setStyleSheet(QString::fromStdString(look->styleSheet));
  return 0;
}
