#pragma once
// Which search result is highlighted and which of them the list shows: `count` results seen
// through at most `rows` rows at a time, the first shown one at Top(). The highlight is always a
// shown result (or none, -1, when there are no results), so that Enter runs what the user sees.

namespace qav::search {

class ResultCursor {
 public:
  // A new list of results: the first one highlighted, shown from the top.
  void Reset(int count, int rows);

  // Up (negative) or down by `by` results, the list scrolling to keep the highlight shown; it
  // stops at the first and the last result.
  void Move(int by);
  // A page (the shown rows) up or down: the list scrolls by a page and the highlight with it.
  void Page(int pages);
  // The wheel: the list scrolls by `by` rows; the highlight stays on a shown row.
  void Scroll(int by);
  // Highlights the result on shown row `row` (0 the first shown); false when it holds none.
  bool HighlightRow(int row);

  int Count() const { return count_; }
  int ShownRows() const { return count_ < rows_ ? count_ : rows_; }
  int Top() const { return top_; }
  int Highlighted() const { return highlighted_; }
  // The shown row of the highlight, or -1.
  int HighlightedRow() const { return highlighted_ < 0 ? -1 : highlighted_ - top_; }
  bool CanScrollUp() const { return top_ > 0; }
  bool CanScrollDown() const { return top_ + rows_ < count_; }

 private:
  void ScrollTo(int top);
  void KeepHighlightShown();

  int count_ = 0;
  int rows_ = 1;
  int top_ = 0;
  int highlighted_ = -1;
};

}  // namespace qav::search
