#pragma once
// The ports the engine talks to the world through. A port left null is not
// available on this system; the engine checks before use.

namespace cvd {

class EventLoop;
class Clipboard;
class Keyboard;
class Hotkeys;
class Windows;
class Shell;
class FolderWatch;
class Ui;
class TextMeasure;

struct Ports {
  EventLoop* loop = nullptr;
  Ui* ui = nullptr;
  TextMeasure* measure = nullptr;
  Clipboard* clipboard = nullptr;
  Keyboard* keyboard = nullptr;
  Hotkeys* hotkeys = nullptr;
  Windows* windows = nullptr;
  Shell* shell = nullptr;
  FolderWatch* folderWatch = nullptr;
};

}  // namespace cvd
