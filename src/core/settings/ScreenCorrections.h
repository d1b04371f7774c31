#pragma once
// Window positions read from the settings file are checked against the
// screen, so that no window starts out of reach.
#include "core/settings/Settings.h"
#include "core/util/Geometry.h"

namespace cvd {

// (screen extent - window extent) div 2.
inline int CentredPosition(int screenExtent, int windowExtent) { return (screenExtent - windowExtent) / 2; }

int CorrectMainLeft(int left, const ScreenGeometry& screen);
int CorrectMainTop(int top, const ScreenGeometry& screen);
int CorrectEditLeft(int left, const ScreenGeometry& screen);
int CorrectEditTop(int top, const ScreenGeometry& screen);
// The quick fix editor and the setup dialog share their rules.
int CorrectDialogLeft(int left, const ScreenGeometry& screen);
int CorrectDialogTop(int top, const ScreenGeometry& screen);
int CorrectSearchX(int x, int width, const ScreenGeometry& screen);
int CorrectSearchY(int y, int height, const ScreenGeometry& screen);

}  // namespace cvd
