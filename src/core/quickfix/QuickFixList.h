#pragma once
// The user's quick fixes: an ordered list of "Name=Action" lines, numbered
// from 0. The name is what the menus show; the action is the command text.
#include <string>
#include <string_view>
#include <vector>

namespace cvd {

// The part before the first "=" (the whole entry when there is none).
std::string QuickFixName(std::string_view entry);
// The part after the first "=" (empty when there is none).
std::string QuickFixAction(std::string_view entry);
// Joins a name and an action into one entry.
std::string MakeQuickFixEntry(std::string_view name, std::string_view action);

struct QuickFixList {
  // The quick fix editor keeps at most this many.
  static constexpr int kMaxEntries = 49;

  std::vector<std::string> Entries;

  int Count() const { return static_cast<int>(Entries.size()); }
  bool Contains(int i) const { return i >= 0 && i < Count(); }
  // Name and action of entry i; empty for an index outside the list.
  std::string Name(int i) const { return Contains(i) ? QuickFixName(Entries[i]) : std::string(); }
  std::string Action(int i) const { return Contains(i) ? QuickFixAction(Entries[i]) : std::string(); }

  bool operator==(const QuickFixList&) const = default;
};

// The nine quick fixes a new user starts with.
QuickFixList DefaultQuickFixes();

}  // namespace cvd
