#include "support/Harness.h"

namespace cvd::test {

Harness::Harness() = default;
Harness::~Harness() = default;

Ports Harness::AllPorts() {
  Ports ports;
  ports.loop = &loop;
  ports.ui = &ui;
  ports.measure = &measure;
  ports.clipboard = &clipboard;
  ports.keyboard = &keyboard;
  ports.windows = &windows;
  ports.shell = &shell;
  ports.folderWatch = &folderWatch;
  ports.hotkeys = &hotkeys;
  ports.editorView = &editorView;  // the button editor's form
  return ports;
}

Engine& Harness::Start(const std::string& programDir) { return Start(AllPorts(), programDir); }

Engine& Harness::Start(const Ports& ports, const std::string& programDir) {
  engine.reset();
  state = AppState{};
  state.platform = platform;
  state.dirs = Directories{programDir, dir.Path(), dir.Path()};
  engine = std::make_unique<Engine>(ports, state);
  engine->FormCreate();
  loop.AdvanceBy(100);
  return *engine;
}

void Harness::MakeGroupsABC() {
  GroupTable& t = state.table;
  t.Groups[1].Name = std::string("A");  // gcc 12 warns wrongly (-Wrestrict) on assigning the literal
  t.GroupList = {"A"};
  t.AddGroup("B", "/nonexistent/");
  t.AddGroup("C", "/nonexistent/");
}

void Harness::Focus(WindowId w) {
  windows.foreground = w;
  loop.AdvanceBy(100);
}

}  // namespace cvd::test
