#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace cvd {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text (UTF-8), or nothing when it holds no text or its
  // owner does not answer in time.
  virtual std::optional<std::string> Text() = 0;
  // Puts `text` on the clipboard (and the primary selection).
  virtual void SetText(const std::string& text) = 0;
  // A number that changes with every clipboard change.
  virtual std::uint32_t SequenceNumber() = 0;
  // Starts (or restarts) change notifications; false when unavailable.
  virtual bool Subscribe(std::function<void()> onChange) = 0;
  virtual void Unsubscribe() = 0;

  // Read before the text, so a copy that must not be kept is never read.
  // The types the clipboard's owner offers (X11 targets, MIME types); empty
  // when the platform cannot tell.
  virtual std::vector<std::string> OfferedTypes() { return {}; }
  // What the owner offers as `type`; nothing when it does not answer in time.
  virtual std::optional<std::string> OfferedData(const std::string& /*type*/) { return std::nullopt; }
  // The class names of the program that owns the clipboard, where the
  // platform tells; empty otherwise.
  virtual std::vector<std::string> OwnerClasses() { return {}; }
};

}  // namespace cvd
