#pragma once

namespace cvd {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

// The screens as window placement sees them.
struct ScreenGeometry {
  int width = 1920;  // the primary screen
  int height = 1080;
  Rect virtualDesktop{0, 0, 1920, 1080};  // all monitors together
  bool operator==(const ScreenGeometry&) const = default;
};

}  // namespace cvd
