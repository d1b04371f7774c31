#pragma once
// Button search: finds buttons by a piece of their name or text while the
// user types, and edits, shows (blinks) or pastes a hit. The search runs in
// slices on the event loop, so the dialog keeps answering the keyboard; any
// change of the text or the options sets the restart flag, and the search
// timer then starts afresh.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/data/GroupTable.h"
#include "core/ports/ButtonWindowView.h"
#include "core/ports/EventLoop.h"
#include "core/ports/Messages.h"
#include "core/ports/SearchView.h"
#include "core/ports/Windows.h"
#include "core/search/SearchScan.h"
#include "core/settings/Settings.h"
#include "core/util/Required.h"

namespace cvd {

class ButtonWindow;
class Paster;
class TargetTracker;

inline constexpr const char* kSelectResultFirstText = "Please select a Search Result first.";

enum class SearchOption { AllGroups, CaseSensitive, ButtonName, ButtonText };

struct SearchPorts {
  EventLoop& loop;
  Messages& ui;
  Windows& windows;
  SearchView& view;
  ButtonWindowView& windowView;
};

// The parts of the button window a hit is shown and pasted through.
struct SearchParts {
  GroupTable& table;
  Settings& settings;
  ButtonWindow& window;
  Paster& paster;
  const TargetTracker& tracker;
};

struct SearchHooks {
  Required<void(int listPosition)> selectGroup;  // as a pick in the group selector
  Required<bool()> saveWindowSettings;           // [SearchWindow] of the settings file
  // Opens button `button` of `group` (current by then) in the button editor;
  // while empty, "Edit" is disabled.
  std::function<void(int group, int button)> editButton;
};

class ButtonSearch {
 public:
  static constexpr int kSearchIntervalMs = 25;
  static constexpr int kShowIntervalMs = 250;
  // How long one slice may run before typing gets its turn.
  static constexpr int kSliceMs = 5;

  ButtonSearch(SearchPorts ports, SearchParts parts, SearchHooks hooks);
  ~ButtonSearch();
  ButtonSearch(const ButtonSearch&) = delete;
  ButtonSearch& operator=(const ButtonSearch&) = delete;

  // Shows the dialog modally; returns when it has closed, with the keyboard
  // back in the window the user worked in.
  void Open();
  bool IsOpen() const { return open_; }

  // What the user does in the dialog. `row` is the selected row of the hit
  // list, nothing when no row is selected.
  void SearchForChange(const std::string& text);
  void ToggleOption(SearchOption option);
  void EditClick(std::optional<int> row);
  void ShowClick(std::optional<int> row);
  void PasteClick(std::optional<int> row);
  void ExitClick();
  // The button editor opened by "Edit" has closed: what it changed may
  // have moved or removed the buttons the rows name.
  void EditorClosed();
  void SetEditButton(std::function<void(int group, int button)> edit);

  // What the view shows.
  const std::vector<SearchHit>& Hits() const { return hits_; }
  SearchOptions Options() const;
  std::string FoundText() const;
  bool Searching() const { return running_; }
  const std::string& SearchFor() const { return searchFor_; }
  // One slice may run this long (0: yield after every group); for tests.
  void SetSliceMs(int ms) { sliceMs_ = ms; }

 private:
  void Restart();
  void SearchTimerTimer();
  void RunSlice();
  void Publish(int unchanged);
  // The hit of `row` when it still names the button it found; else nothing
  // (and a search runs again to refresh the rows).
  std::optional<SearchHit> HitOf(std::optional<int> row);
  void MakeGroupCurrent(int group);
  void ShowTimerTimer();

  SearchPorts ports_;
  SearchParts parts_;
  SearchHooks hooks_;
  std::unique_ptr<Timer> searchTimer_;
  std::unique_ptr<Timer> showTimer_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  SearchScan scan_;
  std::vector<SearchHit> hits_;
  std::string searchFor_;
  bool open_ = false;
  bool restart_ = false;
  bool running_ = false;
  bool pasted_ = false;
  int sliceMs_ = kSliceMs;
  int showGroup_ = 0;
  int showButton_ = 0;
  int showCounter_ = 0;
};

}  // namespace cvd
