#pragma once
// "Pause Clipboard History" on a menu: ticked while the history is paused;
// choosing it pauses or resumes.
class QAction;
class QMenu;

namespace cvd {
class CapturePrivacy;
}  // namespace cvd

namespace cvd::ui {

inline constexpr const char* kPauseHistoryText = "Pause Clipboard History";

// `privacy` points at the pointer the view fills in when it gets its parts.
QAction* AddPauseAction(QMenu* menu, CapturePrivacy* const* privacy);

}  // namespace cvd::ui
