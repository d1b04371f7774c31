#pragma once
// What a copied text does to the clip buttons of the group on screen: a new
// clip at the end the group fills from, or the duplicate policy's answer.
#include <string>

#include "core/clipboard/ClipShift.h"
#include "core/data/GroupTable.h"

namespace cvd {

// Duplicate policies of a group.
enum CopyDupsPolicy : int { cdDontCopy = 0, cdCopy = 1, cdMove = 2, cdMarkUnused = 3 };

struct FillResult {
  bool changed = false;
  int filled = -1;  // the clip button filled, moved or unmarked
};

FillResult FillClip(TGroup& group, const std::string& text, const CaptionFunction& caption);

// Gives `group` `count` clip buttons: new ones are added, and a reduction
// cuts, at the bottom of the clip area; permanent buttons keep their order.
void SetNewNumClipButtons(TGroup& group, int count);

}  // namespace cvd
