#include "core/shortcuts/ShortcutTable.h"

#include "core/util/Text.h"

namespace cvd {

int HotKeyIdOfName(const std::string& name, const QuickFixList& fixes) {
  for (int row = 0; row < kNumFixedHotKeys; ++row) {
    if (SameTextAscii(name, kFixedHotKeys[row].label)) return kFixedHotKeyIds[row];
  }
  for (int i = 0; i < fixes.Count(); ++i) {
    if (SameTextAscii(name, fixes.Name(i))) return kQuickFixHotKeyBase + i;
  }
  return 0;
}

}  // namespace cvd
