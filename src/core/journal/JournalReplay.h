#pragma once
// Putting journalled clips back onto a freshly loaded group table.
#include <vector>

#include "core/clipboard/ClipFill.h"
#include "core/data/GroupTable.h"
#include "core/journal/ClipJournal.h"

namespace cvd {

// Applies `entries` in order to the groups of `table` found by name: filled
// clips through the group's duplicate policy and fill direction, shifted
// clips as they are, each button with the caption it showed. Entries of
// groups that no longer exist are dropped. Returns how many entries changed
// a group.
int ReplayJournal(GroupTable& table, const std::vector<JournalEntry>& entries);

// The journal entries for what a fill did to `group` (nothing when it
// changed nothing), and for the `count` newest clips shifted into it.
std::vector<JournalEntry> FillEntries(const TGroup& group, const std::string& text, const FillResult& result);
std::vector<JournalEntry> ShiftedEntries(const TGroup& group, int count);

}  // namespace cvd
