#pragma once
// Reads the text of an X selection on a private X connection, with a time
// limit for the whole transfer (large texts arrive in pieces).
#include <cstdint>
#include <optional>
#include <string>

typedef struct _XDisplay Display;

namespace cvd::x11 {

class SelectionReader {
 public:
  SelectionReader();
  ~SelectionReader();
  SelectionReader(const SelectionReader&) = delete;
  SelectionReader& operator=(const SelectionReader&) = delete;

  bool Ok() const { return display_ != nullptr; }
  // The CLIPBOARD text as UTF-8, or nothing when there is no owner, the owner
  // offers no text, or it does not finish within `timeoutMs`.
  std::optional<std::string> ClipboardText(int timeoutMs);
  // The window that owns CLIPBOARD, 0 when none.
  std::uint64_t ClipboardOwner();

 private:
  std::optional<std::string> Convert(unsigned long target, int timeoutMs);

  Display* display_ = nullptr;
  unsigned long window_ = 0;
};

}  // namespace cvd::x11
