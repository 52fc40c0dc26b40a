#pragma once
// A multi-line edit box for pasted number lists. Laying out one very long
// line is slow in a text widget (about 0.8 s for a 3 MB line), far slower
// than filtering it, so a long pasted line is broken into lines of about
// 1000 characters: a line break is inserted after a separator, never inside
// a run of digits, and no character is removed. Line breaks only separate
// numbers, like every other non-digit, so the conditions are unchanged.

#include <QPlainTextEdit>

namespace twostar {

class ListEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

  // `text` with a line break after the first separator past every 1000
  // characters of a line. Texts up to 64 KiB are returned unchanged.
  static QString breakLongLines(const QString& text);

 protected:
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace twostar
