#include "list_edit.h"

#include <QMimeData>

namespace twostar {

namespace {
constexpr qsizetype kLongPaste = 64 * 1024;
constexpr qsizetype kLineLength = 1000;
}  // namespace

QString ListEdit::flowLines(const QString& text) {
  if (text.size() <= kLongPaste) return text;
  QString out;
  out.reserve(text.size() + text.size() / kLineLength + 1);
  qsizetype lineLength = 0;
  for (QChar c : text) {
    if (c == '\n' || c == '\r') c = ' ';
    out += c;
    const bool digit = c >= '0' && c <= '9';
    if (++lineLength >= kLineLength && !digit) {
      out += '\n';
      lineLength = 0;
    }
  }
  return out;
}

void ListEdit::insertFromMimeData(const QMimeData* source) {
  if (!source || !source->hasText() || source->text().size() <= kLongPaste) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  textCursor().insertText(flowLines(source->text()));
  ensureCursorVisible();
}

}  // namespace twostar
