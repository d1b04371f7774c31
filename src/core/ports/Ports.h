#pragma once
// The ports the program talks to the world through. The event loop, the
// user interface and the text measure are always there; any other port may
// be left null, and WithNullPorts fills it with one that does nothing, so
// the subsystems never check.

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
class SearchView;
class SetupView;
class QuickFixEditorView;
class EditorView;

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
  // Button search: the "Search" dialog.
  SearchView* searchView = nullptr;
  // The setup dialog.
  SetupView* setupView = nullptr;
  // Quick fix editor: the "Custom Quick Fix" window.
  QuickFixEditorView* quickFixEditorView = nullptr;
  // The button editor's form.
  EditorView* editorView = nullptr;
};

// `ports` with every missing optional port replaced by one that does
// nothing: no clipboard text, no windows, no keys, no sound.
Ports WithNullPorts(Ports ports);

}  // namespace cvd
