#pragma once
// One harness for every test of the running program's core: the fakes of
// all ports, the program's state in a fresh data folder, and the Engine
// that wires the subsystems, started as the program starts.
#include <memory>
#include <string>

#include "core/app/Engine.h"
#include "support/FakeClipboard.h"
#include "support/FakeEditorView.h"
#include "support/FakeEventLoop.h"
#include "support/FakeFolderWatch.h"
#include "support/FakeHotkeys.h"
#include "support/FakeShell.h"
#include "support/FakeTextMeasure.h"
#include "support/FakeWindows.h"
#include "support/RecordingKeyboard.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace cvd::test {

struct Harness {
  Harness();
  ~Harness();

  Ports AllPorts();
  // Builds the engine on `ports` (all fakes by default) and runs start-up,
  // then lets 100 ms pass (past the start-up lock-out).
  Engine& Start(const std::string& programDir = "/nonexistent/");
  Engine& Start(const Ports& ports, const std::string& programDir = "/nonexistent/");

  TGroup& Group(int g = 1) { return state.table.Groups[g]; }
  std::string Clip(int b) { return std::string(state.table.Current().Buttons.Text(b)); }
  // Names group 1 "A" and adds groups "B" and "C" after it, in table and
  // list order.
  void MakeGroupsABC();
  // Makes `w` the foreground window and lets one tracking step run.
  void Focus(WindowId w);

  TempDir dir;  // the data folder
  FakeEventLoop loop;
  ScriptedUi ui;
  FakeTextMeasure measure;
  FakeClipboard clipboard;
  RecordingKeyboard keyboard{loop};
  FakeWindows windows;
  FakeShell shell;
  FakeFolderWatch folderWatch;
  FakeHotkeys hotkeys;
  FakeEditorView editorView;  // the button editor's form
  AppState state;
  PlatformPaths platform;  // what the entry point chose; each Start hands it over
  std::unique_ptr<Engine> engine;
};

}  // namespace cvd::test
