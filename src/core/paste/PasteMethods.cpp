#include "core/paste/PasteMethods.h"

#include "core/util/Text.h"

namespace cvd {

PasteMethods DefaultPasteMethods() {
  // Two editors where Ctrl+V does something else: Emacs yanks with Ctrl+Y
  // ("notes.txt - GNU Emacs at host"), gVim pastes with Shift+Insert in
  // every mode ("notes.txt (~) - GVIM").
  return {
      PasteMethod{"GNU Emacs", pmAnywhere, "{Ctrl y}", 150},
      PasteMethod{"GVIM", pmEnding, "{Shift {Insert}}", 150},
  };
}

PasteMethod NewPasteMethod(const std::string& title) { return PasteMethod{title, pmAnywhere, "{Ctrl v}", 150}; }

std::string TitleForMatching(std::string_view title) {
  return std::string(title.substr(0, Utf8PrefixBytes(title, kMaxTitleCharacters)));
}

bool TitleMatches(const PasteMethod& method, std::string_view title) {
  const std::string_view watch = method.Title;
  if (method.Match == pmExactly) return watch == title;
  if (watch.empty()) return false;
  const std::size_t first = title.find(watch);
  if (first == std::string_view::npos) return false;
  switch (method.Match) {
    case pmBeginning: return first == 0;
    case pmAnywhere: return true;
    case pmEnding: return first == title.size() - watch.size();
    default: return false;  // an unknown mode matches nothing
  }
}

const PasteMethod* FindPasteMethod(const PasteMethods& methods, std::string_view title) {
  for (const PasteMethod& method : methods) {
    if (TitleMatches(method, title)) return &method;
  }
  return nullptr;
}

}  // namespace cvd
