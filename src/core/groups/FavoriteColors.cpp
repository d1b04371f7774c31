#include "core/groups/FavoriteColors.h"

#include <algorithm>

#include "core/data/Colors.h"

namespace cvd {

std::vector<ColorPair> Favorites(const Settings& settings) {
  const int count = std::clamp(settings.NumFavs, 0, kMaxFavoritePairs);
  std::vector<ColorPair> favorites;
  for (int k = 0; k < count; ++k) favorites.push_back({settings.FavTextColor[k], settings.FavButtonColor[k]});
  return favorites;
}

void SetFavorites(Settings& settings, const std::vector<ColorPair>& favorites) {
  const int count = std::min(static_cast<int>(favorites.size()), kMaxFavoritePairs);
  settings.NumFavs = count;
  for (int k = 0; k < count; ++k) {
    settings.FavTextColor[k] = favorites[k].text;
    settings.FavButtonColor[k] = favorites[k].face;
  }
}

std::optional<std::string> AddFavorite(std::vector<ColorPair>& favorites, const ColorPair& pair) {
  if (static_cast<int>(favorites.size()) >= kMaxFavoritePairs) return kFavoritesFullText;
  if (std::find(favorites.begin(), favorites.end(), pair) != favorites.end()) return kFavoriteExistsText;
  favorites.push_back(pair);
  return std::nullopt;
}

std::string MenuColorName(TColor color) {
  const std::string name = ColorToString(color);
  if (name.size() < 3) return "Unknown";
  return name[0] == '$' ? name.substr(2) : ColorDisplayName(color);
}

std::vector<MenuEntry> UpdateColorMenu(const Settings& settings, int firstCommand, int colorEditorCommand) {
  std::vector<MenuEntry> menu;
  const std::vector<ColorPair> favorites = Favorites(settings);
  for (int k = 0; k < static_cast<int>(favorites.size()); ++k) {
    menu.push_back(
        MenuItem(MenuColorName(favorites[k].text) + " - " + MenuColorName(favorites[k].face), firstCommand + k));
  }
  menu.push_back(MenuSeparator());
  menu.push_back(MenuItem("Color Editor", colorEditorCommand));
  menu.push_back(MenuSeparator());
  menu.push_back(MenuItem("Cancel", 0));
  return menu;
}

}  // namespace cvd
