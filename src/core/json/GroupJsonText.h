#pragma once
// The groups of the state report written straight as text: a big history's
// hundred thousand buttons as JSON values would cost many times their texts
// in memory and most of a second. The text is exactly what GroupsInListOrder
// gives, dumped with an indent of 2.
#include <string>

#include "core/data/GroupTable.h"

namespace cvd {

// Appends the groups in GroupList order as a JSON array that starts at
// nesting `level` (its closing bracket indented by 2 x `level` spaces).
void AppendGroupsJson(std::string& out, const GroupTable& table, int level);

}  // namespace cvd
