#pragma once
// JSON forms of groups and of the running program, printed by corvinade-tool.
// Colours are the signed 32-bit numbers the data file writes; texts are
// made valid UTF-8.
#include <nlohmann/json.hpp>

#include "core/data/GroupTable.h"

namespace cvd {

nlohmann::ordered_json GroupToJson(const TGroup& group);
// The same without its last key, "Buttons".
nlohmann::ordered_json GroupFieldsToJson(const TGroup& group);
// Groups in GroupList order (each looked up by name).
nlohmann::ordered_json GroupsInListOrder(const GroupTable& table);

}  // namespace cvd
