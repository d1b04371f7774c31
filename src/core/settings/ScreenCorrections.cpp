#include "core/settings/ScreenCorrections.h"

namespace cvd {

int CorrectMainLeft(int left, const ScreenGeometry& screen) {
  return left < screen.virtualDesktop.left || left > screen.width - 20 ? 200 : left;
}

int CorrectMainTop(int top, const ScreenGeometry& screen) { return top < 0 || top > screen.height - 20 ? 200 : top; }

int CorrectEditLeft(int left, const ScreenGeometry& screen) {
  if (left > screen.width - 20) left = screen.width - 400;
  // The monitor left of all others begins where the desktop begins.
  if (left < screen.virtualDesktop.left) left = 100;
  return left;
}

int CorrectEditTop(int top, const ScreenGeometry& screen) { return top < 0 || top > screen.height - 20 ? 100 : top; }

int CorrectDialogLeft(int left, const ScreenGeometry& screen) {
  return left > screen.width - 20 ? screen.width - 400 : left;
}

int CorrectDialogTop(int top, const ScreenGeometry& screen) { return top > screen.height - 20 ? 100 : top; }

int CorrectSearchX(int x, int width, const ScreenGeometry& screen) {
  const Rect& desk = screen.virtualDesktop;
  return x > desk.right() - 10 || x < desk.left ? CentredPosition(screen.width, width) : x;
}

int CorrectSearchY(int y, int height, const ScreenGeometry& screen) {
  const Rect& desk = screen.virtualDesktop;
  return y > desk.bottom() - 20 || y < desk.top ? CentredPosition(screen.height, height) : y;
}

}  // namespace cvd
