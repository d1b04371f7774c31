#pragma once
// The data folder holds every text the user copied, enciphered with a key
// every copy of the program knows: only the folder's permissions keep other
// users out, so it is the user's alone (0700).
#include <string>

namespace cvd {

inline constexpr unsigned kPrivateFolderMode = 0700;

// Creates `folder` and its missing parents; the folder itself is made 0700
// (parents get the usual mode). True when it exists afterwards.
bool CreatePrivateFolder(const std::string& folder);

// Narrows an existing folder the user owns to 0700 when others could enter
// or read it, and says so once (it stays narrow). A folder of another owner
// is left alone. True when it was narrowed.
bool TightenDataFolder(const std::string& folder);

}  // namespace cvd
