#pragma once
// The buttons of one group, packed: the names, hints and texts of all its
// buttons live in one character store, and each button is a small record
// pointing into it. A big history of short texts then costs little more
// than its characters (a button as three strings of its own costs about
// 150 bytes beyond its text).
//
// Reading a button gives a copy (`operator[]`) or views of its strings,
// which stay valid until the list is next changed. Every change goes
// through a member, so records and store never disagree.
//
// In the store a button is the lengths of its name and hint (variable-length
// numbers, one byte below 128) and then its name, hint and text; a button
// whose strings are all empty takes no room. One button holds less than
// 2 GiB and one group less than 4 GiB of characters; a change past that
// throws std::length_error and leaves the list as it was.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/Colors.h"

namespace cvd {

class LateButtons;

struct TButton {
  std::string Name;
  std::string Hint;
  std::string Text;
  bool Used = false;  // run time only
  TColor FontColor = clBlack;
  TColor Color = clBtnFace;

  bool operator==(const TButton&) const = default;
};

class ButtonList {
 public:
  ButtonList() = default;
  ButtonList(std::size_t count, const TButton& button) { assign(count, button); }
  ButtonList(const ButtonList& other);
  ButtonList& operator=(const ButtonList& other);
  ButtonList(ButtonList&&) noexcept = default;
  ButtonList& operator=(ButtonList&&) noexcept = default;
  ~ButtonList() = default;

  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  void clear();
  void assign(std::size_t count, const TButton& button);
  // New slots are copies of `fill`.
  void resize(std::size_t count, const TButton& fill = TButton{});

  // A copy of button `i`; at() checks `i`. The copy is const so that
  // `list[i].Text = ...`, which would change only the copy, does not compile.
  const TButton operator[](std::size_t i) const;
  const TButton at(std::size_t i) const;
  std::string_view Name(std::size_t i) const {
    WaitForStrings();
    return View(records_[i], 0);
  }
  std::string_view Hint(std::size_t i) const {
    WaitForStrings();
    return View(records_[i], 1);
  }
  std::string_view Text(std::size_t i) const {
    WaitForStrings();
    return View(records_[i], 2);
  }
  bool Used(std::size_t i) const { return records_[i].Used(); }
  TColor FontColor(std::size_t i) const {
    WaitForStrings();
    return records_[i].fontColor;
  }
  TColor Color(std::size_t i) const {
    WaitForStrings();
    return records_[i].color;
  }

  void Set(std::size_t i, const TButton& button);
  void SetStrings(std::size_t i, std::string_view name, std::string_view hint, std::string_view text);
  void SetName(std::size_t i, std::string_view name) { SetStrings(i, name, Hint(i), Text(i)); }
  void SetHint(std::size_t i, std::string_view hint) { SetStrings(i, Name(i), hint, Text(i)); }
  void SetText(std::size_t i, std::string_view text) { SetStrings(i, Name(i), Hint(i), text); }
  void SetUsed(std::size_t i, bool used) { records_.at(i).SetUsed(used); }
  void SetFontColor(std::size_t i, TColor color) {
    WaitForStrings();
    records_.at(i).fontColor = color;
  }
  void SetColor(std::size_t i, TColor color) {
    WaitForStrings();
    records_.at(i).color = color;
  }

  void insert(std::size_t at, const TButton& button);
  void push_back(const TButton& button) { insert(size(), button); }
  void erase(std::size_t at) { erase(at, at + 1); }
  void erase(std::size_t first, std::size_t last);
  // Reorders whole buttons; no character moves.
  void Swap(std::size_t a, std::size_t b);
  // As std::rotate over [first, last): `middle` becomes `first`.
  void Rotate(std::size_t first, std::size_t middle, std::size_t last);

  // Room for `count` buttons with `chars` characters in all.
  void reserve(std::size_t count, std::size_t chars);
  // Buttons [first, first + part.size()) take the strings of `part` (and
  // its colours with `colours`) and keep their marks; a list that holds no
  // characters yet takes the part's store as it is.
  void Adopt(std::size_t first, ButtonList&& part, bool colours = false);
  // Gives back the room that changes left behind.
  void Compact();
  // Bytes the store holds, live ones and left-behind ones.
  std::size_t StoreSize() const {
    WaitForStrings();
    return store_.size();
  }

  // The buttons' strings and colours are being read by `late` (their
  // number and used marks are here already): every member that reads or
  // changes strings or colours, or moves buttons, first waits for them and
  // takes them over.
  // clear() and assign() need not wait.
  void AwaitStrings(std::shared_ptr<LateButtons> late, std::size_t key) {
    late_ = std::move(late);
    lateKey_ = key;
  }
  bool AwaitingStrings() const { return late_ != nullptr; }
  // Takes the strings over now, waiting for them when they are still read.
  void WaitForStrings() const {
    if (late_) TakeLateStrings();
  }

  bool operator==(const ButtonList& other) const;

  class const_iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = TButton;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = TButton;
    const_iterator(const ButtonList* list, std::size_t i) : list_(list), i_(i) {}
    const TButton operator*() const { return (*list_)[i_]; }
    const_iterator& operator++() {
      ++i_;
      return *this;
    }
    bool operator==(const const_iterator& other) const { return i_ == other.i_; }

   private:
    const ButtonList* list_;
    std::size_t i_;
  };
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

 private:
  // 16 bytes: a big history holds hundreds of thousands.
  struct Record {
    static constexpr std::uint32_t kUsedBit = 0x80000000u;
    std::uint32_t offset = 0;    // of the button's bytes in the store
    std::uint32_t sizeUsed = 0;  // their count, and the used mark in the top bit
    TColor fontColor = clBlack;
    TColor color = clBtnFace;
    std::size_t Total() const { return sizeUsed & ~kUsedBit; }
    bool Used() const { return (sizeUsed & kUsedBit) != 0; }
    void SetUsed(bool used) { sizeUsed = used ? sizeUsed | kUsedBit : sizeUsed & ~kUsedBit; }
    void SetTotal(std::size_t total) { sizeUsed = (sizeUsed & kUsedBit) | static_cast<std::uint32_t>(total); }
  };

  std::string_view View(const Record& r, int part) const;
  // Writes the three strings into `r`'s room when they fit, else at the end.
  void Place(Record& r, std::string_view name, std::string_view hint, std::string_view text);
  void Forget(const Record& r) { garbage_ += r.Total(); }
  void CompactIfWasteful();
  // Waiting is not a change a reader can see: const members take over.
  void TakeLateStrings() const;

  std::vector<Record> records_;
  std::vector<char> store_;
  std::size_t garbage_ = 0;  // characters no record points at
  std::shared_ptr<LateButtons> late_;
  std::size_t lateKey_ = 0;
};

}  // namespace cvd
