#pragma once
// The program's button window, view and engine on the data folder `dir`,
// as the benchmark probes build them (no clipboard, keys or shell).
#include <functional>
#include <string>

#include "core/app/Engine.h"
#include "platform/qt/QtEventLoop.h"
#include "ui/HintWindow.h"
#include "ui/QtTextMeasure.h"
#include "ui/QtUi.h"
#include "ui/TMainForm.h"
#include "ui/TTrayForm.h"
#include "ui/ViewWiring.h"

struct BenchWindow {
  // `addPorts` may fill more ports before the engine is built.
  explicit BenchWindow(const std::string& dir, const std::function<void(cvd::Ports&)>& addPorts = {}) {
    state.dirs = cvd::Directories{"/nonexistent/", dir, dir};
    ports.loop = &loop;
    ports.ui = &ui;
    ports.measure = &measure;
    if (addPorts) addPorts(ports);
    engine = std::make_unique<cvd::Engine>(ports, state);
    form.SetParts(cvd::ui::ButtonWindowPartsOf(*engine));
  }

  cvd::ui::TTrayForm tray;
  cvd::ui::TMainForm form;
  cvd::ui::HintWindow hint;
  cvd::qt::QtEventLoop loop;
  cvd::ui::QtUi ui{form, tray, hint};
  cvd::ui::QtTextMeasure measure{form, hint};
  cvd::Ports ports;
  cvd::AppState state;
  std::unique_ptr<cvd::Engine> engine;
};
