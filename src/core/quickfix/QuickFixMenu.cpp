#include "core/quickfix/QuickFixMenu.h"

namespace cvd {

QuickFixMenus UpdateQuickFixMenu(const QuickFixList& fixes) {
  QuickFixMenus menus;
  for (int i = 0; i < fixes.Count(); ++i) {
    const std::string name = fixes.Name(i);
    (i < kDirectQuickFixEntries ? menus.direct : menus.more).push_back({name, i});
    menus.editor.push_back({name, kEditorMenuTagBase + i});
  }
  return menus;
}

QuickFixMenuItem DecodeQuickFixTag(int tag) {
  if (tag < kFirstEditorMenuTag) return {QuickFixMenuSource::ButtonMenu, tag};
  return {QuickFixMenuSource::EditorMenu, tag - kEditorMenuTagBase};
}

}  // namespace cvd
