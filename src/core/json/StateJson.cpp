#include "core/json/StateJson.h"

#include "core/app/Engine.h"
#include "core/journal/ClipJournal.h"
#include "core/json/GroupJson.h"
#include "core/json/GroupJsonText.h"
#include "core/ports/Ui.h"
#include "core/settings/SettingsJson.h"
#include "core/shortcuts/ShortcutTrigger.h"
#include "core/util/Text.h"

namespace cvd {

namespace {

nlohmann::ordered_json StateFields(const Engine& engine, bool withGroups) {
  const GroupTable& table = engine.State().table;
  const TargetTracker& target = engine.Target();
  const ClipboardCapture& capture = engine.Capture();
  Ui& ui = *engine.GetPorts().ui;
  const Rect frame = ui.ButtonWindowFrame();
  nlohmann::ordered_json state;
  state["CurrentGroup"] = table.CurrentGroup >= 1 && table.CurrentGroup <= table.GroupCount()
                              ? nlohmann::ordered_json(ValidUtf8(table.Current().Name))
                              : nlohmann::ordered_json(nullptr);
  if (withGroups) state["groups"] = GroupsInListOrder(table);
  state["LastTarget"] = {{"title", target.LastTarget() ? nlohmann::ordered_json(ValidUtf8(target.LastTargetTitle()))
                                                       : nlohmann::ordered_json(nullptr)},
                         {"exe", target.LastTarget() ? nlohmann::ordered_json(ValidUtf8(target.LastTargetExe()))
                                                     : nlohmann::ordered_json(nullptr)}};
  state["LastFilled"] = capture.LastFilled();
  state["pasting"] = engine.Paste().Pasting();
  state["paused"] = engine.Privacy().Paused();
  const int fillGroup = capture.LastFillGroup();
  state["LastFillGroup"] = fillGroup >= 1 && fillGroup <= table.GroupCount()
                               ? nlohmann::ordered_json(ValidUtf8(table.Groups[fillGroup].Name))
                               : nlohmann::ordered_json(nullptr);
  state["settings"] = SettingsJson(engine.State().settings, engine.State().dirs);
  state["directories"] = DirectoriesJson(engine.State().dirs);
  // Clips captured since the last save are kept here until the next one.
  state["journal"] = ValidUtf8(engine.State().dirs.DataDir + kJournalFileName);
  // Clips the journal could not take yet (a full disk): only in memory.
  state["unjournalled"] = engine.DataStore().Unjournalled();
  nlohmann::ordered_json keys;
  for (int row = 0; row < kNumFixedHotKeys; ++row)
    keys[kFixedHotKeys[row].label] = engine.State().settings.FixedHotKeys[row];
  // Where the desktop holds the keys, the triggers it assigned, by function.
  nlohmann::ordered_json assigned = nlohmann::ordered_json::object();
  for (const auto& [id, trigger] : engine.Shortcuts().Assigned().All()) assigned[ShortcutDescription(id)] = trigger;
  state["shortcuts"] = {{"enabled", engine.State().settings.HotKeysEnabled}, {"keys", keys}, {"assigned", assigned}};
  state["window"] = {{"visible", ui.ButtonWindowVisible()},
                     {"x", frame.left},
                     {"y", frame.top},
                     {"width", frame.width},
                     {"height", frame.height},
                     {"opacity", ui.Opacity()},
                     {"rolledUp", engine.Window().RolledUp()},
                     {"activeButton", engine.Window().ActiveButton()},
                     {"fading", engine.Fade().Fading()}};
  const PlatformPaths& platform = engine.State().platform;
  state["platform"] = {{"capture", platform.capture},
                       {"paste", platform.paste},
                       {"keys", platform.keys},
                       {"windows", platform.windows},
                       {"shortcuts", platform.shortcuts}};
  return state;
}

}  // namespace

nlohmann::ordered_json StateJson(const Engine& engine) { return StateFields(engine, true); }

std::string StateText(const Engine& engine) {
  std::string text;
  WriteStateText(engine, std::string::npos, [&text](std::string& piece) {
    text = std::move(piece);
    return true;
  });
  return text;
}

bool WriteStateText(const Engine& engine, std::size_t pieceBytes, const JsonPieces& pieces) {
  nlohmann::ordered_json state = StateFields(engine, false);
  std::string text = "{\n  \"CurrentGroup\": " + state["CurrentGroup"].dump() + ",\n  \"groups\": ";
  const bool whole = pieceBytes == std::string::npos;
  if (whole) {
    AppendGroupsJson(text, engine.State().table, 1);
  } else if (!AppendGroupsJson(text, engine.State().table, 1, pieceBytes, pieces)) {
    return false;
  }
  state.erase("CurrentGroup");
  // The rest as dump(2) writes it, after its opening brace's line.
  const std::string rest = state.dump(2);
  text += ",\n";
  text.append(rest, 2);
  return pieces(text);
}

}  // namespace cvd
