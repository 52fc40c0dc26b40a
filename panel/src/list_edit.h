#pragma once
// A multi-line edit box for pasted number lists. A text widget lays out one
// very long line slowly (about 0.8 s for a 3 MB line) and spends about 200
// bytes on every line it holds (400 MiB for 100 MiB of short lines), far more
// than filtering costs. So a large paste (over 64 KiB) is flowed into lines
// of about 1000 characters: its line breaks become blanks, and a line break
// follows the first separator past every 1000 characters, never inside a run
// of digits. Blanks and line breaks both only separate numbers, so the
// conditions read from the box are the same as those pasted.

#include <QPlainTextEdit>

namespace twostar {

class ListEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

  // `text` flowed as above; texts up to 64 KiB are returned unchanged.
  static QString flowLines(const QString& text);

 protected:
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace twostar
