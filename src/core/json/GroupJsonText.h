#pragma once
// The groups of the state report written straight as text: a big history's
// hundred thousand buttons as JSON values would cost many times their texts
// in memory and most of a second. The text is exactly what GroupsInListOrder
// gives, dumped with an indent of 2.
#include <cstddef>
#include <functional>
#include <string>

#include "core/data/GroupTable.h"

namespace cvd {

// Takes the text written so far (the receiver empties it); false stops the
// writing.
using JsonPieces = std::function<bool(std::string& text)>;

// Appends the groups in GroupList order as a JSON array that starts at
// nesting `level` (its closing bracket indented by 2 x `level` spaces).
void AppendGroupsJson(std::string& out, const GroupTable& table, int level);
// The same, handing `out` to `pieces` after each group that leaves it
// `pieceBytes` long or longer, so a big history's report is never whole in
// memory; false when `pieces` stopped it.
bool AppendGroupsJson(std::string& out, const GroupTable& table, int level, std::size_t pieceBytes,
                      const JsonPieces& pieces);

}  // namespace cvd
