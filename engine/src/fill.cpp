#include "twostar/fill.h"

namespace twostar {

std::string digitFillText() { return "0123456789"; }

std::string sumFillText(const std::function<void()>& yield) {
  std::string text;
  for (int n = 0; n <= 18; ++n) {
    if (yield) yield();
    text += std::to_string(n);
    text += ' ';
  }
  return text;
}

std::string twoDigitFillText(const std::function<void()>& yield) {
  std::string text;
  for (int i = 0; i <= 9; ++i) {
    if (yield) yield();
    for (int j = 0; j <= 9; ++j) {
      if (yield) yield();
      if (i <= j) {
        text += static_cast<char>('0' + i);
        text += static_cast<char>('0' + j);
        text += ' ';
      }
    }
  }
  return text;
}

}  // namespace twostar
