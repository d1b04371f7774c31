#pragma once
#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>

#include "core/json/GroupJsonText.h"

namespace cvd {

class Engine;

// The snapshot `corvinade-tool state` prints.
nlohmann::ordered_json StateJson(const Engine& engine);
// The same as it prints it (StateJson(engine).dump(2)), its groups written
// straight as text.
std::string StateText(const Engine& engine);
// The same text in pieces of about `pieceBytes` or more, each handed to
// `pieces` (the last one may be shorter); false when `pieces` stopped it.
bool WriteStateText(const Engine& engine, std::size_t pieceBytes, const JsonPieces& pieces);

}  // namespace cvd
