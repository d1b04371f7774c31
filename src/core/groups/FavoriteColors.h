#pragma once
// The favourite colour pairs of the colour dialog and the button menu's
// "Change Color" entries.
#include <optional>
#include <string>
#include <vector>

#include "core/groups/MenuModel.h"
#include "core/ports/Ui.h"
#include "core/settings/Settings.h"

namespace cvd {

inline constexpr const char* kFavoritesFullText = "You have reached the maximum of 10 favorite colors.";
inline constexpr const char* kFavoriteExistsText = "The selected color combination is already in favorites.";
inline constexpr const char* kDeleteFavoriteText = "Are you sure you want to delete the selected favorite?";

// The pairs the settings hold, and storing a list back (at most 10 kept).
std::vector<ColorPair> Favorites(const Settings& settings);
void SetFavorites(Settings& settings, const std::vector<ColorPair>& favorites);

// Appends a pair; the refusal's message when the list is full or holds the
// pair already.
std::optional<std::string> AddFavorite(std::vector<ColorPair>& favorites, const ColorPair& pair);

// A colour's short name for the menu: its readable name ("Red", "Button
// Face"), or "$" and hex digits without their first two characters.
std::string MenuColorName(TColor color);

// "Change Color" entries: each favourite pair as "Text - Face" running
// `firstCommand` + its number, then -, "Color Editor", -, "Cancel".
std::vector<MenuEntry> UpdateColorMenu(const Settings& settings, int firstCommand, int colorEditorCommand);

}  // namespace cvd
