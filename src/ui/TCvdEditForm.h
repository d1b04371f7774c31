#pragma once
// The button editor's form: the Button page (name, hint, text, colours) and
// the Groups page (group list, button list, group options), above a status
// bar. A humble view: every action goes to the core's ButtonEditor, which
// tells the form what to show through the EditorView port.
#include <QDialog>

#include "core/ports/EditorView.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;

namespace cvd {
class ButtonEditor;
}

namespace cvd::ui {

class EditorList;
class TBitBtnWithColor;

class TCvdEditForm : public QDialog, public EditorView {
  Q_OBJECT
 public:
  explicit TCvdEditForm(QWidget* parent = nullptr);
  void SetEditor(ButtonEditor* editor) { editor_ = editor; }

  // EditorView.
  bool ShowModal(EditorPage page) override;
  void Close(bool ok) override;
  void ShowPage(EditorPage page) override;
  void ShowButton() override;
  void ShowGroups() override;
  void ShowCaption(const std::string& caption) override;
  void Focus(EditorFocus focus) override;
  TextSelection Selection() override;
  void SetSelection(TextSelection selection) override;

  QTabWidget* Pages;
  // Button page.
  QLineEdit* ButtonNameBox;
  QLineEdit* ButtonHintBox;
  TBitBtnWithColor* ColorButton;
  QPlainTextEdit* ButtonTextBox;
  QPushButton *HelpButton, *QuickFixButton, *CancelButton, *OkButton;
  // Groups page.
  EditorList* GroupList;
  EditorList* ButtonList;
  QScrollArea* OptionArea;
  QRadioButton *FillFromTop, *FillFromBottom;
  QSpinBox *NumClipBox, *NumColBox, *WidthBox, *HeightBox, *PasteDelayBox;
  QPushButton *SetNumClipButton, *SetNumColButton, *SetSizeButton, *FindSoundFileButton, *ButtonFontButton,
      *AplyToAllButton;
  QComboBox *CopyDups, *HintType, *PasteKeyBox;
  QCheckBox *RememberPos, *TrackUsed, *SoundOnCopy, *ShowHints;
  QLineEdit *SoundFileBox, *ButtonFontBox;
  QLabel* StatusBar;

  // The pop-up menus of the two lists, at a point of the list's viewport.
  void PopupButtonMenu(const QPoint& where);
  void PopupGroupMenu(const QPoint& where);
  void PopupQuickFixMenu();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QWidget* MakeButtonPage();
  QWidget* MakeGroupPage();
  QWidget* MakeOptions();
  void ConnectOptions();
  void ShowOptions();
  // The option pane never narrower than its form: no sideways scrolling.
  void FitOptionPane();
  void WrapOptions();
  void ChooseFont();
  void Status(const std::string& text);

  ButtonEditor* editor_ = nullptr;
  bool loading_ = false;            // controls are being filled: their signals are not the user's
  int optionsSideBySideWidth_ = 0;  // the option form's width with labels beside their fields
  bool mousePressedColor_ = false;
};

}  // namespace cvd::ui
