#pragma once
// The button editor: one button's name, hint, text and colours, and the
// groups with their buttons and options. It keeps which button the form
// edits and which group's options it shows, and keeps both pointing at the
// same records whatever the group and button operations move.
#include <functional>
#include <string>

#include "core/data/GroupTable.h"
#include "core/groups/ButtonOperations.h"
#include "core/ports/EditorView.h"
#include "core/quickfix/QuickFixMenu.h"
#include "core/quickfix/QuickFixRunner.h"
#include "core/util/Geometry.h"
#include "core/util/Required.h"

namespace cvd {

class GroupOperations;
class Shell;
class Messages;
class ButtonWindowView;
class ColorDialogView;

struct EditorHooks {
  Required<void()> display;                // Display
  Required<void()> refresh;                // GroupListChange for the current group
  Required<void(int position)> showGroup;  // make a GroupList position the current group
  Required<void()> save;                   // settings and data to disk
  Required<void()> help;                   // the manual
  Required<void()> restoreFocus;           // the keyboard back to the target window
};

// The editor's limits of the group options.
inline constexpr int kMaxClipButtons = 1000;
inline constexpr int kMinButtonWidth = 50, kMaxButtonWidth = 200;
inline constexpr int kMinButtonHeight = 10, kMaxButtonHeight = 40;
inline constexpr int kMinPasteDelay = 50, kMaxPasteDelay = 1000;

struct EditorParts {
  GroupTable& table;
  Settings& settings;
  Messages& ui;
  Shell& shell;
  EditorView& view;
  QuickFixRunner& quickFixes;
  GroupOperations& groups;
  ButtonOperations& buttons;
  ButtonWindowView& windowView;
  ColorDialogView& colors;
};

class ButtonEditor final : public QuickFixEditor {
 public:
  ButtonEditor(EditorParts parts, EditorHooks hooks);

  // Opens the form modally on button b of group g; true when it closed with
  // OK (the button has then been stored). Nothing while it is already open.
  bool Open(int g, int b, EditorPage page);
  // Search's "Edit": Open, and the data saved after OK.
  void EditButton(int g, int b);
  // "Group Options": the Groups page on the current group and button.
  void ShowGroupOptions();
  // Told after every close of the form.
  void SetClosedHandler(std::function<void()> closed) { closed_ = std::move(closed); }
  bool Showing() const { return showing_; }

  // What the form shows.
  const GroupTable& Table() const { return table_; }
  int EditedGroup() const { return editedGroup_; }
  int EditedButton() const { return editedButton_; }
  int OptionsGroup() const { return optionsGroup_; }
  const TGroup* OptionsGroupRecord() const;
  int SelectedButton() const { return selectedButton_; }
  int SelectedGroupRow() const;
  const ButtonInfo& Fields() const { return fields_; }
  bool Changed() const { return changed_; }
  EditorPage Page() const { return page_; }
  std::string Caption() const;
  EditorFocus InitialFocus() const;
  std::string ButtonStatus(int b) const;
  std::string CopyDupsStatus(int index) const;
  std::vector<QuickFixMenuEntry> QuickFixEntries() const;
  Rect StoredFrame() const;
  void StoreFrame(const Rect& frame);

  // The Button page.
  void SetName(const std::string& name);
  void SetHint(const std::string& hint);
  void SetText(const std::string& text);
  void PageChanged(EditorPage page);
  // Any press on the colour button gives it the last chosen colours; a click opens the colour dialog.
  void ColorButtonPressed();
  void ColorButtonClicked();
  void QuickFixClick(int tag);
  void HelpClick();
  void OkClick();
  void CancelClick();
  // The window's close box.
  void CloseRequest();

  // The two lists. Rows of the group list are GroupList positions; rows of
  // the button list are button numbers.
  void SelectGroupRow(int row);
  void SelectButton(int b);
  void EditSelectedButton();
  void NewButton();
  void DeleteSelectedButton();
  void MakeSelectedPermanent();
  void SortButtons();
  void DropOnButtonList(int to);
  void DropButtonOnGroup(int row);
  void DropGroupOnGroup(int from, int to);
  void ShowGroupInWindow(int row);
  void NewGroup();
  void RenameGroup();
  void DeleteGroup();
  void CopyGroup();
  void ClearAllClip();
  void MarkAllUnused();
  void SortGroups();

  // Group options of the options group; each stores at once, within its limits.
  void SetFillMode(int mode);
  void SetNumClipButtons(int count);
  void SetNumColumns(int columns);
  int MaxColumns() const;
  void SetCopyDups(int index);
  void SetRememberPos(bool on);
  void SetTrackUsed(bool on);
  void SetButtonSize(int width, int height);
  void SetButtonSizeForAllGroups(int width, int height);
  void SetPlaySound(bool on);
  void FindSoundFile();
  void SetFont(const std::string& name, int size, TFontStyles style);
  void SetFontForAllGroups(const std::string& name, int size, TFontStyles style);
  void SetShowHints(bool on);
  void SetHintType(int type);
  void SetPasteKeyMode(int mode);
  void SetPasteDelay(int delay);
  void ApplyToAllGroups();

  // QuickFixEditor.
  void SetSampleColors(TColor face, std::optional<TColor> fontColor) override;
  EditorText GetText() override;
  void SetText(const EditorText& text) override;

 private:
  bool ValidButton(int g, int b) const;
  void Load(int g, int b);
  void Save();
  // Asks about a changed button: Yes saved it, No discarded it (or nothing
  // had changed), Cancel stays with it.
  MsgResult LeaveButton();
  bool Ask(const std::string& text);
  void ShowCaption();
  void RedisplayIf(int g, bool rebuild) const;
  TGroup* Options();
  // After group operations: both groups follow their names; a vanished
  // edited group gives way to button 1 of the first group.
  void FollowGroups(bool indicesKept);
  void ShowOptionsGroup(int g);
  void AfterMove(int g, int from, int to);

  GroupTable& table_;
  Settings& settings_;
  Messages& ui_;
  ButtonWindowView& windowView_;
  ColorDialogView& colors_;
  Shell& shell_;
  EditorView& view_;
  QuickFixRunner& quickFixes_;
  GroupOperations& groups_;
  ButtonOperations& buttons_;
  EditorHooks hooks_;
  std::function<void()> closed_;

  bool showing_ = false;
  EditorPage page_ = EditorPage::Button;
  int editedGroup_ = 1, editedButton_ = 1, optionsGroup_ = 1, selectedButton_ = 1;
  std::string editedName_, optionsName_;
  ButtonInfo fields_;
  bool changed_ = false;
};

}  // namespace cvd
