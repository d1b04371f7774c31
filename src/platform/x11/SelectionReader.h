#pragma once
// Reads the text of an X selection on a private X connection, with a time
// limit for the whole transfer (large texts arrive in pieces).
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

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

  // The X11 side of the private-copy rules: the names of the targets the
  // CLIPBOARD owner offers (its TARGETS list; empty when it gives none in
  // time), what it offers as one of them, and both parts of the WM_CLASS of
  // the owner window or of its client leader (empty when neither has one).
  std::vector<std::string> ClipboardTargets(int timeoutMs);
  std::optional<std::string> ClipboardData(const std::string& target, int timeoutMs);
  std::vector<std::string> ClipboardOwnerClasses();

 private:
  // `anyType`: the answer's type is not checked against the target (TARGETS
  // answers in ATOM, other owners answer a type as they like).
  std::optional<std::string> Convert(unsigned long target, int timeoutMs, bool anyType = false);
  // Names of atoms, asked of the server once each.
  std::vector<std::string> AtomNames(const std::vector<unsigned long>& atoms);

  std::unordered_map<unsigned long, std::string> atomNames_;
  unsigned long silentOwner_ = 0;  // the owner whose TARGETS answer did not come in time

  Display* display_ = nullptr;
  unsigned long window_ = 0;
};

}  // namespace cvd::x11
