#pragma once
// The outcome of a fallible step of the core: success, or a failure with the text that explains
// it. The layer that owns a window decides whether and how the text reaches the user.

#include <string>
#include <utility>

namespace qav {

class [[nodiscard]] Result {
 public:
  static Result Success() { return Result(true, {}); }
  static Result Failure(std::string error) { return Result(false, std::move(error)); }
  // Success when `succeeded`, else a failure explained by `error`.
  static Result From(bool succeeded, std::string error) {
    return succeeded ? Success() : Failure(std::move(error));
  }

  bool Ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  // Empty on success.
  const std::string& Error() const { return error_; }

 private:
  Result(bool ok, std::string error) : ok_(ok), error_(std::move(error)) {}
  bool ok_;
  std::string error_;
};

}  // namespace qav
