#include "core/json/StateJson.h"

#include "core/app/Engine.h"
#include "core/journal/ClipJournal.h"
#include "core/json/GroupJson.h"
#include "core/ports/Ui.h"
#include "core/settings/SettingsJson.h"
#include "core/util/Text.h"

namespace cvd {

nlohmann::ordered_json StateJson(Engine& engine) {
  const GroupTable& table = engine.Table();
  Ui& ui = *engine.GetPorts().ui;
  const Rect frame = ui.ButtonWindowFrame();
  nlohmann::ordered_json state;
  state["CurrentGroup"] = table.CurrentGroup >= 1 && table.CurrentGroup <= table.GroupCount()
                              ? nlohmann::ordered_json(ValidUtf8(table.Current().Name))
                              : nlohmann::ordered_json(nullptr);
  state["groups"] = GroupsInListOrder(table);
  state["LastTarget"] = {{"title", engine.LastTarget() ? nlohmann::ordered_json(ValidUtf8(engine.LastTargetTitle()))
                                                        : nlohmann::ordered_json(nullptr)},
                         {"exe", engine.LastTarget() ? nlohmann::ordered_json(ValidUtf8(engine.LastTargetExe()))
                                                      : nlohmann::ordered_json(nullptr)}};
  state["LastFilled"] = engine.LastFilled();
  const int fillGroup = engine.LastFillGroup();
  state["LastFillGroup"] = fillGroup >= 1 && fillGroup <= table.GroupCount()
                               ? nlohmann::ordered_json(ValidUtf8(table.Groups[fillGroup].Name))
                               : nlohmann::ordered_json(nullptr);
  state["settings"] = SettingsJson(engine.GetSettings(), engine.Dirs());
  state["directories"] = DirectoriesJson(engine.Dirs());
  // Clips captured since the last save are kept here until the next one.
  state["journal"] = ValidUtf8(engine.Dirs().DataDir + kJournalFileName);
  state["window"] = {{"visible", ui.ButtonWindowVisible()},
                     {"x", frame.left},
                     {"y", frame.top},
                     {"width", frame.width},
                     {"height", frame.height},
                     {"opacity", ui.Opacity()},
                     {"rolledUp", engine.RolledUp()}};
  return state;
}

}  // namespace cvd
