#pragma once
// The "Search" dialog: a humble view of ButtonSearch. It reports typing,
// option changes and the buttons to the core and shows the hits the core
// finds, read straight from it.
#include <QDialog>
#include <optional>

#include "core/ports/SearchView.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace cvd {
class ButtonSearch;
}

namespace cvd::ui {

class SearchHitModel;

class TSearchForm : public QDialog, public SearchView {
  Q_OBJECT
 public:
  TSearchForm();
  ~TSearchForm() override;
  void SetSearch(ButtonSearch* search);

  // SearchView
  void ShowModal(const Rect& frame) override;
  void Close() override;
  Rect Frame() override;
  void HitsChanged(int unchanged, int count) override;
  void SetFoundText(const std::string& text) override;
  void SetOptions(const SearchOptions& options) override;
  void SetEditEnabled(bool enabled) override;

  // The controls, for tests.
  QLineEdit* SearchForBox() const { return SearchFor; }
  QTableView* ResultGrid() const { return Grid; }
  QLabel* Found() const { return FoundLabel; }
  QMenu* OptionsMenu() const { return SettingsMenu; }
  QPushButton* Button(const QString& name) const;
  // The selected row, or nothing.
  std::optional<int> SelectedRow() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SettingsButtonClick();

  ButtonSearch* search_ = nullptr;
  SearchHitModel* model_ = nullptr;
  QLineEdit* SearchFor = nullptr;
  QPushButton* SettingsButton = nullptr;
  QMenu* SettingsMenu = nullptr;
  QAction* options_[4] = {};
  QLabel* FoundLabel = nullptr;
  QTableView* Grid = nullptr;
  QPushButton* EditButton = nullptr;
  QPushButton* ShowButton = nullptr;
  QPushButton* ClickButton = nullptr;
  QPushButton* ExitButton = nullptr;
};

}  // namespace cvd::ui
