#pragma once
// Item pictures without a picture layer: names come from a counter, every extraction answers
// `makes`, and the calls are recorded.

#include <string>
#include <vector>

#include "core/shortcuts/item_pictures.h"

namespace qav::test {

class FakeItemPictures final : public ItemPictures {
 public:
  explicit FakeItemPictures(std::string store = "/store/") : store_(std::move(store)) {}

  std::string NextIconStoreName() override { return store_ + std::to_string(next_++) + ".png"; }
  Result MakeItemPicture(int source, const std::string& path, int, FixedText<255>& field,
                         const LinkIcon& link) override {
    field = field.Get();
    made.push_back({source, path, link.iconPath, link.target});
    return Outcome();
  }
  Result IconFileToPng(const std::string& iconPath, const std::string&) override {
    made.push_back({0, iconPath, "", ""});
    return Outcome();
  }
  Result ImageFileToPng(const std::string& picture, const std::string&, bool, int, int) override {
    made.push_back({1, picture, "", ""});
    return Outcome();
  }
  Result Outcome() const { return Result::From(makes, "no picture (a test's refusal)"); }
  void LoadItemImage(int record) override { loaded.push_back(record); }
  void DiscardItem(int record) override {
    discarded.push_back(record);
    if (tables) ResetRecord(tables->Shortcuts[static_cast<std::size_t>(record)]);
  }

  struct Request {
    int source;
    std::string path;
    std::string iconPath;
    std::string target;
  };
  std::vector<Request> made;
  std::vector<int> loaded;
  std::vector<int> discarded;
  bool makes = true;
  Tables* tables = nullptr;  // when set, discarding blanks the record as the real cache does

 private:
  std::string store_;
  int next_ = 0;
};

}  // namespace qav::test
