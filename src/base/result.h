#pragma once
// The outcome of a fallible step of the core: success, or a failure with the text that explains
// it. The layer that owns a window decides whether and how the text reaches the user.

#include <string>
#include <utility>

#include "base/ui_text.h"

namespace qav {

class [[nodiscard]] Result {
 public:
  static Result Success() { return Result(true, {}); }
  static Result Failure(std::string error) { return Result(false, FilledText{std::move(error)}); }
  // A failure whose text has runtime parts, which a translation keeps.
  static Result Failure(FilledText error) { return Result(false, std::move(error)); }
  // Success when `succeeded`, else a failure explained by `error`.
  static Result From(bool succeeded, std::string error) {
    return succeeded ? Success() : Failure(std::move(error));
  }
  static Result From(bool succeeded, FilledText error) {
    return succeeded ? Success() : Failure(std::move(error));
  }

  bool Ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  // Empty on success; English.
  const std::string& Error() const { return error_; }
  // How the error was written, for the windows to translate: its pattern and runtime parts (a
  // text without parts is its own pattern).
  const FilledText& ErrorText() const { return text_; }

 private:
  Result(bool ok, FilledText text)
      : ok_(ok),
        error_(text.parts.empty() ? text.pattern : English(text)),
        text_(std::move(text)) {}
  bool ok_;
  std::string error_;
  FilledText text_;
};

}  // namespace qav
