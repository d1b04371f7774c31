#pragma once
// The display settings that older settings files keep for all groups at
// once ([Button], [Clipboard], [Sound], [Font], [Hint]). A data file without
// per-group display settings gives every group these. The settings reader
// fills them in, with its corrections already applied (out-of-range sizes,
// PlaySound off when the sound file is missing).
#include <cstdint>
#include <string>

#include "core/data/GroupTable.h"

namespace cvd {

struct LegacyDisplay {
  std::int32_t ButtonWidth = 100;
  std::int32_t ButtonHeight = 22;
  std::int32_t FillMode = 1;
  bool PlaySound = true;
  std::string SoundFile;  // the settings reader's default is ProgramDir + "copy.wav"
  std::string FontName = kDefaultFontName;
  std::int32_t FontSize = 10;
  TFontStyles FontStyle = 0;
  std::int32_t CopyDups = 0;
  bool TrackUsed = true;
  bool ShowHints = true;
  std::int32_t HintType = 2;

  bool operator==(const LegacyDisplay&) const = default;

  void ApplyTo(TGroup& group) const {
    group.ButtonWidth = ButtonWidth;
    group.ButtonHeight = ButtonHeight;
    group.FillMode = FillMode;
    group.PlaySound = PlaySound;
    group.SoundFile = SoundFile;
    group.FontName = FontName;
    group.FontSize = FontSize;
    group.FontStyle = FontStyle;
    group.CopyDups = CopyDups;
    group.TrackUsed = TrackUsed;
    group.ShowHints = ShowHints;
    group.HintType = HintType;
  }
};

}  // namespace cvd
