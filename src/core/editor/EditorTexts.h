#pragma once
// Texts and orderings of the button editor that need no state of its own.
#include <string>

#include "core/data/GroupTable.h"

namespace cvd {

inline constexpr const char* kGroupOptionsCaption = "Group Options";
inline constexpr const char* kButtonListHelp = "Drag and drop names to re-arrange buttons. Right click for options";

// "Edit Button [n characters, n words, n lines]" for a text with CR LF line
// breaks; characters are UTF-8 characters other than CR and LF.
std::string EditCaption(const std::string& text);

// The status text for button `b` of `group`: its hint, else the start of its
// text on one line; below the last button, how to use the list.
std::string ButtonStatusText(const TGroup& group, int b);

// What the duplicate policy at `index` does, for the status bar.
std::string CopyDupsHint(int index, int fillMode);

// The confirmation of "Apply to all Groups", listing the options group's settings.
std::string ApplyToAllMessage(const TGroup& group);

// Sorts buttons first..last of `group` in place by name (a-z folded, byte
// order; empty "Empty" clips last) and returns where the record that was at
// `tracked` ended up (`tracked` itself when it is outside the range).
int SortButtonRange(TGroup& group, int first, int last, int tracked);

}  // namespace cvd
