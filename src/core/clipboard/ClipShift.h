#pragma once
// Entering a new clip into a group's clip buttons. Clip capture and the
// quick fixes that split a text both make new clips this way.
#include <functional>
#include <string>
#include <vector>

#include "core/data/GroupTable.h"

namespace cvd {

// The caption for a button that holds a text (the button window's MakeCaption).
using CaptionFunction = std::function<std::string(const std::string& text)>;

// A fresh clip button for `text`: its caption, no hint, unused, black on the
// button face colour.
TButton NewClipButton(std::string text, const CaptionFunction& caption);

// Puts `clip` in as the newest clip of `group`. FillMode 1: the clip buttons
// move one place down, the last one drops out and the clip becomes button 1;
// any other FillMode: they move one place up, button 1 drops out and the clip
// becomes button N. Whole records move; permanent buttons are never touched.
// Returns the button number filled, or 0 when the group has no clip buttons
// (or its button array is too short for them), in which case nothing changes.
int ShiftInClip(TGroup& group, const TButton& clip);

// NewClipButton and ShiftInClip together.
int ShiftInNewClip(TGroup& group, std::string text, const CaptionFunction& caption);

// The same as ShiftInNewClip for each text in order, in one pass: only the
// clips that stay in the group are made, so splitting a text of many lines
// into a group of many clip buttons costs no more than the texts themselves.
// Returns how many clip buttons took a new text.
int ShiftInNewClips(TGroup& group, std::vector<std::string> texts, const CaptionFunction& caption);

}  // namespace cvd
