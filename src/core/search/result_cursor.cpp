#include "core/search/result_cursor.h"

#include <algorithm>

namespace qav::search {

void ResultCursor::Reset(int count, int rows) {
  count_ = std::max(count, 0);
  rows_ = std::max(rows, 1);
  top_ = 0;
  highlighted_ = count_ > 0 ? 0 : -1;
}

void ResultCursor::ScrollTo(int top) {
  top_ = std::clamp(top, 0, std::max(count_ - rows_, 0));
}

void ResultCursor::KeepHighlightShown() {
  if (count_ == 0) return;
  highlighted_ = std::clamp(highlighted_, top_, top_ + ShownRows() - 1);
}

void ResultCursor::Move(int by) {
  if (count_ == 0) return;
  highlighted_ = std::clamp(highlighted_ + by, 0, count_ - 1);
  if (highlighted_ < top_) ScrollTo(highlighted_);
  if (highlighted_ >= top_ + rows_) ScrollTo(highlighted_ - rows_ + 1);
}

void ResultCursor::Page(int pages) {
  if (count_ == 0) return;
  const int row = HighlightedRow();
  ScrollTo(top_ + pages * rows_);
  // At either end the page cannot scroll any further: the highlight goes to the end itself.
  const int wanted = highlighted_ + pages * rows_;
  highlighted_ = std::clamp(wanted, 0, count_ - 1);
  if (wanted >= 0 && wanted < count_) highlighted_ = top_ + row;
  KeepHighlightShown();
}

void ResultCursor::Scroll(int by) {
  ScrollTo(top_ + by);
  KeepHighlightShown();
}

bool ResultCursor::HighlightRow(int row) {
  if (row < 0 || row >= ShownRows()) return false;
  highlighted_ = top_ + row;
  return true;
}

}  // namespace qav::search
