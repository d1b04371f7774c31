#include "core/shortcuts/DelimiterList.h"

#include <algorithm>

namespace cvd {

namespace {

constexpr const char* kLastDelimiterText =
    "You can not delete the last delimiter.\nPlease use Edit to modiy the existing delimiter.";

}  // namespace

void DelimiterList::Shown() {
  if (list_.empty()) list_ = DefaultDelimiters();
  SelectCell(0, 0);
}

void DelimiterList::SelectCell(int column, int row) {
  if (list_.empty()) return;
  column_ = std::clamp(column, 0, 1);
  row_ = std::clamp(row, 0, static_cast<int>(list_.size()) - 1);
  HandOver();
}

void DelimiterList::HandOver() {
  if (row_ >= 0 && row_ < static_cast<int>(list_.size())) separator_ = list_[row_].Value;
}

std::string& DelimiterList::Cell(int column, int row) { return column == 0 ? list_[row].Name : list_[row].Value; }

void DelimiterList::NewClick() {
  const auto name = ui_.InputQuery("New Delimiter", "Enter name for new delimiter:", "");
  if (!name) return;
  const auto value = ui_.InputQuery("New Delimiter", "Enter new delimiter:", "");
  if (!value) return;
  if (static_cast<int>(list_.size()) >= kMaxDelimiters) return;
  list_.push_back(Delimiter{*name, *value});
}

void DelimiterList::DeleteClick() {
  if (list_.size() <= 1) {
    ui_.CursorMessageDlg(kLastDelimiterText, MsgKind::Warning, MsgButtons::Ok);
    return;
  }
  if (row_ < 0 || row_ >= static_cast<int>(list_.size())) return;
  const std::string question = "Are you sure you want to delete the \"" + Cell(column_, row_) + "\" delimiter?";
  if (ui_.CursorMessageDlg(question, MsgKind::Confirmation, MsgButtons::YesNo) != MsgResult::Yes) return;
  list_.erase(list_.begin() + row_);
  // With the last row gone the selection moves to the row above, which is
  // the delimiter a following OK sends.
  SelectCell(column_, row_);
}

void DelimiterList::EditClick() {
  if (row_ < 0 || row_ >= static_cast<int>(list_.size())) return;
  const auto text = ui_.InputQuery("Edit Delimiter", "Enter new value:", Cell(column_, row_));
  if (!text) return;
  Cell(column_, row_) = *text;
  HandOver();
}

}  // namespace cvd
