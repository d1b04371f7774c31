#pragma once
// The colour dialog: a text colour and a background colour for a button,
// an example button showing the pair, and up to ten favourite pairs.
#include <QDialog>
#include <vector>

#include "core/ports/Ui.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace cvd::ui {

class TBitBtnWithColor;

class TColorForm : public QDialog {
  Q_OBJECT
 public:
  TColorForm(const ColorPair& preset, std::vector<ColorPair> favorites);

  ColorPair Chosen() const;
  const std::vector<ColorPair>& Favorites() const { return favorites_; }

  QComboBox* TextColor = nullptr;
  QComboBox* ButtonColor = nullptr;
  TBitBtnWithColor* ExampleButton = nullptr;
  QListWidget* FavList = nullptr;
  QPushButton* ResetButton = nullptr;
  QPushButton* AddFavoriteButton = nullptr;

  void AddToFavorites();
  void DeleteSelectedFavorite();
  void UseFavorite(int row);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetColor(QComboBox* box, TColor color);
  void ShowExample();
  void FillFavList();

  std::vector<ColorPair> favorites_;
};

}  // namespace cvd::ui
