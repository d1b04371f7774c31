#pragma once
// A clipboard for tests: Copy() changes its content and notifies like a
// real clipboard owner change would.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/Clipboard.h"

namespace cvd::test {

class FakeClipboard : public Clipboard {
 public:
  // Another program copies `text` (nothing: a copy without text, e.g. an image).
  void Copy(std::optional<std::string> text) {
    content = std::move(text);
    ++sequence;
    if (onChange_) onChange_();
  }

  std::optional<std::string> Text() override {
    ++reads;
    return content;
  }
  void SetText(const std::string& text) override {
    written.push_back(text);
    Copy(text);
  }
  std::uint32_t SequenceNumber() override { return sequence; }
  bool Subscribe(std::function<void()> onChange) override {
    ++subscriptions;
    onChange_ = std::move(onChange);
    return true;
  }
  void Unsubscribe() override { onChange_ = nullptr; }
  std::vector<std::string> OfferedTypes() override { return types; }
  std::optional<std::string> OfferedData(const std::string& type) override {
    const auto found = offered.find(type);
    return found == offered.end() ? std::nullopt : std::optional<std::string>(found->second);
  }
  std::vector<std::string> OwnerClasses() override { return ownerClasses; }
  bool Subscribed() const { return static_cast<bool>(onChange_); }

  std::optional<std::string> content;
  std::uint32_t sequence = 100;
  int reads = 0;
  int subscriptions = 0;
  std::vector<std::string> written;
  std::vector<std::string> types;              // what the owner offers besides the text
  std::map<std::string, std::string> offered;  // readable types and their content
  std::vector<std::string> ownerClasses;

 private:
  std::function<void()> onChange_;
};

}  // namespace cvd::test
