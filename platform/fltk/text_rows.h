#pragma once
// The rows a text falls into in a box of a given width, as the team lines wrap it. A row
// ends at a line break, or where the next character would pass the width: after the last
// space or tab in the row, or, in a word longer than the row, before that character
// (a row holds one character at least). Spaces and tabs at a row's end hang past it.
//
// Every row is laid from its own start alone, so after an edit only the rows from the
// one before the edited word change, up to the first row that starts where an old row
// did behind the edit: a key in a long line lays its rows again in one pass over
// bytes, never by asking a font.
#include <functional>
#include <string>
#include <vector>

// The bytes of the UTF-8 character a byte starts; a stray byte stands alone.
int CharacterLength(unsigned char lead);

class TextRows {
 public:
  // The width in pixels of the UTF-8 character of `length` bytes at `character`.
  using Measure = std::function<double(const char* character, int length)>;

  // Tabs stop every `tab_spaces` spaces.
  TextRows(int tab_spaces, Measure measure);

  // All rows anew, for a box `width` pixels wide: a new text, width or font. An empty
  // text measures nothing.
  void Lay(const std::string& text, double width);
  // `text` is the text after bytes [at, at + removed) of the one laid last were replaced
  // by `inserted` bytes.
  void Edited(const std::string& text, int at, int removed, int inserted);

  // Where a row goes on after the character of `length` bytes at `character`, which
  // starts `x` pixels into it: a tab goes on to the next stop, a line break nowhere.
  double Advance(const char* character, int length, double x) const;

  int count() const { return static_cast<int>(starts_.size()); }
  int start(int row) const { return starts_[row]; }
  // Where the row's characters end: before its line break, or where the next row starts.
  int end(int row, const std::string& text) const;
  // The row a position is in: the one it starts or stands inside. A position where a
  // wrapped row starts is also the end of the row before (see `end`).
  int RowOf(int position) const;
  // The row starts, for tests.
  const std::vector<int>& starts() const { return starts_; }

 private:
  // Appends the starts of the rows after the one starting at `from`, to the end of the
  // text or, with `resync_after` >= 0, to the first that starts past it where an old
  // row started (`old` moved by `shift`): returns that old row's index, or -1.
  int LayFrom(const std::string& text, int from, int resync_after, const std::vector<int>& old,
              int shift, std::vector<int>& out);

  int tab_spaces_;
  Measure measure_;
  double width_ = 0;
  std::vector<int> starts_{0};
};
