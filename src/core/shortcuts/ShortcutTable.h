#pragma once
// The shortcut functions: the hot-key id of each fixed row (rows 0..20, in
// the order of kFixedHotKeys), and quick fix i on the rows after them with id 1000 + i.
#include <array>
#include <string>

#include "core/settings/Settings.h"

namespace cvd {

enum HotKeyId : int {
  hkiShowWindow = 7234,
  hkiHideWindow = 7235,
  hkiClearClipButtons = 7236,
  hkiResetPasteCounter = 7237,
  hkiPasteActive = 7238,
  hkiPreviousButton = 7239,
  hkiNextButton = 7240,
  hkiPasteAll = 7241,
  hkiMarkAllUnused = 7242,
  hkiEditLastCopied = 7243,
  hkiClearLastCopied = 7244,
  hkiDialNumber = 7245,
  hkiEnable = 7246,
  hkiDisable = 7247,
  hkiDontCopyDups = 7248,
  hkiCopyDups = 7249,
  hkiMoveDup = 7250,
  hkiMarkDupUnused = 7251,
  hkiSearch = 7252,
  hkiPasteLastCopied = 7253,
  hkiPauseHistory = 7254,
};

inline constexpr std::array<int, kNumFixedHotKeys> kFixedHotKeyIds{
    hkiEnable,          hkiDisable,         hkiShowWindow,  hkiHideWindow,   hkiClearClipButtons, hkiResetPasteCounter,
    hkiPasteActive,     hkiPreviousButton,  hkiNextButton,  hkiPasteAll,     hkiMarkAllUnused,    hkiEditLastCopied,
    hkiClearLastCopied, hkiPasteLastCopied, hkiDialNumber,  hkiDontCopyDups, hkiCopyDups,         hkiMoveDup,
    hkiMarkDupUnused,   hkiSearch,          hkiPauseHistory};

inline constexpr int kQuickFixHotKeyBase = 1000;
inline constexpr int kQuickFixRowBase = kNumFixedHotKeys;

// The hot-key id of a row of the shortcut list.
inline int HotKeyIdOfRow(int row) {
  return row < kNumFixedHotKeys ? kFixedHotKeyIds[row] : kQuickFixHotKeyBase + row - kQuickFixRowBase;
}

// The id of a function named as its row (a fixed row's name, else a quick
// fix's name; letter case of ASCII letters is ignored); 0 when none is.
int HotKeyIdOfName(const std::string& name, const QuickFixList& fixes);

}  // namespace cvd
