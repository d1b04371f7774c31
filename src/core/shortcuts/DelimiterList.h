#pragma once
// The delimiter list of "Paste all buttons": named key macros, one of which
// is sent between two pasted buttons. The view shows the rows and calls
// these operations; the questions go through the Messages port.
#include <string>
#include <vector>

#include "core/ports/Messages.h"
#include "core/settings/Settings.h"

namespace cvd {

class DelimiterList {
 public:
  // `list` is the settings' list; `separator` receives the chosen value.
  DelimiterList(Messages& ui, std::vector<Delimiter>& list, std::string& separator)
      : ui_(ui), list_(list), separator_(separator) {}

  // The dialog opens: a list emptied by a damaged settings file gets its
  // default row back, and the first row is selected and handed over.
  void Shown();
  // A cell was selected (column 0 the name, 1 the value).
  void SelectCell(int column, int row);
  void NewClick();
  void DeleteClick();
  void EditClick();

  const std::vector<Delimiter>& Rows() const { return list_; }
  int Row() const { return row_; }
  int Column() const { return column_; }

 private:
  std::string& Cell(int column, int row);
  void HandOver();

  Messages& ui_;
  std::vector<Delimiter>& list_;
  std::string& separator_;
  int row_ = 0;
  int column_ = 0;
};

}  // namespace cvd
