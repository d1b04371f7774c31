#include "core/journal/JournalReplay.h"

#include <algorithm>

namespace cvd {

int ReplayJournal(GroupTable& table, const std::vector<JournalEntry>& entries) {
  int applied = 0;
  for (const JournalEntry& entry : entries) {
    const int index = table.FindGroup(entry.group);
    if (index < 1 || index > table.GroupCount()) continue;
    TGroup& group = table.Groups[index];
    const CaptionFunction caption = [&entry](const std::string&) { return entry.caption; };
    const bool changed = entry.kind == JournalKind::Fill ? FillClip(group, entry.text, caption).changed
                                                         : ShiftInNewClip(group, entry.text, caption) > 0;
    if (changed) ++applied;
  }
  return applied;
}

std::vector<JournalEntry> FillEntries(const TGroup& group, const std::string& text, const FillResult& result) {
  if (!result.changed) return {};
  const bool known = result.filled >= 1 && result.filled < static_cast<int>(group.Buttons.size());
  return {JournalEntry{JournalKind::Fill, group.Name, known ? group.Buttons[result.filled].Name : "", text}};
}

std::vector<JournalEntry> ShiftedEntries(const TGroup& group, int count) {
  // A group whose buttons are short of its clip count takes no clips.
  if (group.NumClipButtons < 1 || static_cast<int>(group.Buttons.size()) <= group.NumClipButtons) return {};
  const int kept = std::clamp(count, 0, group.NumClipButtons);
  std::vector<JournalEntry> entries;
  entries.reserve(static_cast<std::size_t>(kept));
  // Oldest first: the newest clip sits at the end the group fills from.
  for (int age = kept - 1; age >= 0; --age) {
    const TButton& button = group.Buttons[group.FillMode == 1 ? 1 + age : group.NumClipButtons - age];
    entries.push_back(JournalEntry{JournalKind::Shift, group.Name, button.Name, button.Text});
  }
  return entries;
}

}  // namespace cvd
