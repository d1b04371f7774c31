#include "core/data/ButtonList.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

namespace cvd {

namespace {

// Changes may leave this many characters behind before the store is
// rewritten, or half the store when that is more.
constexpr std::size_t kTolerableGarbage = 4096;

std::uint32_t Length(std::string_view s) {
  if (s.size() > UINT32_MAX) throw std::length_error("button text too long");
  return static_cast<std::uint32_t>(s.size());
}

}  // namespace

void ButtonList::clear() {
  records_.clear();
  store_.clear();
  garbage_ = 0;
}

void ButtonList::assign(std::size_t count, const TButton& button) {
  clear();
  resize(count, button);
}

void ButtonList::resize(std::size_t count, const TButton& fill) {
  if (count < size()) {
    erase(count, size());
    return;
  }
  const std::size_t old = size();
  reserve(count, store_.size() + (count - old) * (fill.Name.size() + fill.Hint.size() + fill.Text.size()));
  records_.resize(count);
  for (std::size_t i = old; i < count; ++i) Set(i, fill);
}

std::string_view ButtonList::View(const Record& r, int part) const {
  if (r.length[part] == 0) return {};
  std::uint64_t at = r.offset;
  for (int k = 0; k < part; ++k) at += r.length[k];
  return {store_.data() + at, r.length[part]};
}

const TButton ButtonList::operator[](std::size_t i) const {
  const Record& r = records_[i];
  TButton button;
  button.Name = View(r, 0);
  button.Hint = View(r, 1);
  button.Text = View(r, 2);
  button.Used = r.used;
  button.FontColor = r.fontColor;
  button.Color = r.color;
  return button;
}

const TButton ButtonList::at(std::size_t i) const {
  if (i >= size()) throw std::out_of_range("ButtonList::at");
  return (*this)[i];
}

void ButtonList::Set(std::size_t i, const TButton& button) {
  Record& r = records_.at(i);
  r.used = button.Used;
  r.fontColor = button.FontColor;
  r.color = button.Color;
  SetStrings(i, button.Name, button.Hint, button.Text);
}

void ButtonList::SetStrings(std::size_t i, std::string_view name, std::string_view hint, std::string_view text) {
  Record& r = records_.at(i);
  // The new strings may be views of this store, which placing can move.
  const auto inStore = [this](std::string_view s) {
    const std::less<const char*> before;  // defined for pointers into different arrays
    return !s.empty() && !before(s.data(), store_.data()) && before(s.data(), store_.data() + store_.size());
  };
  if (inStore(name) || inStore(hint) || inStore(text)) {
    const std::string copy = std::string(name) + std::string(hint) + std::string(text);
    const std::string_view all(copy);
    Place(r, all.substr(0, name.size()), all.substr(name.size(), hint.size()), all.substr(name.size() + hint.size()));
  } else {
    Place(r, name, hint, text);
  }
  CompactIfWasteful();
}

void ButtonList::Place(Record& r, std::string_view name, std::string_view hint, std::string_view text) {
  const std::uint32_t lengths[3] = {Length(name), Length(hint), Length(text)};
  const std::size_t total = std::size_t{lengths[0]} + lengths[1] + lengths[2];
  const std::size_t room = r.Total();
  if (total <= room) {
    garbage_ += room - total;
  } else {
    garbage_ += room;
    r.offset = store_.size();
    store_.resize(store_.size() + total);
  }
  char* out = store_.data() + r.offset;
  for (const std::string_view part : {name, hint, text}) out = std::copy(part.begin(), part.end(), out);
  std::copy(std::begin(lengths), std::end(lengths), r.length);
}

void ButtonList::insert(std::size_t at, const TButton& button) {
  if (at > size()) throw std::out_of_range("ButtonList::insert");
  records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(at), Record{});
  Set(at, button);
}

void ButtonList::erase(std::size_t first, std::size_t last) {
  last = std::min(last, size());
  if (first >= last) return;
  for (std::size_t i = first; i < last; ++i) Forget(records_[i]);
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(first), records_.begin() + static_cast<std::ptrdiff_t>(last));
  CompactIfWasteful();
}

void ButtonList::Swap(std::size_t a, std::size_t b) { std::swap(records_.at(a), records_.at(b)); }

void ButtonList::Rotate(std::size_t first, std::size_t middle, std::size_t last) {
  if (!(first <= middle && middle <= last && last <= size())) throw std::out_of_range("ButtonList::Rotate");
  const auto begin = records_.begin();
  std::rotate(begin + static_cast<std::ptrdiff_t>(first), begin + static_cast<std::ptrdiff_t>(middle),
              begin + static_cast<std::ptrdiff_t>(last));
}

void ButtonList::reserve(std::size_t count, std::size_t chars) {
  records_.reserve(count);
  store_.reserve(chars);
}

void ButtonList::Adopt(std::size_t first, ButtonList&& part) {
  if (first + part.size() > size()) throw std::out_of_range("ButtonList::Adopt");
  for (std::size_t k = 0; k < part.size(); ++k) Forget(records_[first + k]);
  std::uint64_t shift = 0;
  if (store_.size() == garbage_) {
    store_ = std::move(part.store_);
    garbage_ = part.garbage_;
  } else {
    shift = store_.size();
    store_.insert(store_.end(), part.store_.begin(), part.store_.end());
    garbage_ += part.garbage_;
  }
  for (std::size_t k = 0; k < part.size(); ++k) {
    Record& r = records_[first + k];
    r.offset = part.records_[k].offset + shift;
    std::copy(std::begin(part.records_[k].length), std::end(part.records_[k].length), r.length);
  }
  part.clear();
  CompactIfWasteful();
}

void ButtonList::Compact() {
  std::vector<char> packed;
  packed.reserve(store_.size() - garbage_);
  for (Record& r : records_) {
    const std::size_t total = r.Total();
    const std::uint64_t from = r.offset;
    r.offset = packed.size();
    packed.insert(packed.end(), store_.begin() + static_cast<std::ptrdiff_t>(from),
                  store_.begin() + static_cast<std::ptrdiff_t>(from + total));
  }
  store_ = std::move(packed);
  garbage_ = 0;
}

void ButtonList::CompactIfWasteful() {
  if (garbage_ > kTolerableGarbage && garbage_ > store_.size() / 2) Compact();
}

bool ButtonList::operator==(const ButtonList& other) const {
  if (size() != other.size()) return false;
  for (std::size_t i = 0; i < size(); ++i) {
    const Record& a = records_[i];
    const Record& b = other.records_[i];
    if (a.used != b.used || a.fontColor != b.fontColor || a.color != b.color) return false;
    for (int part = 0; part < 3; ++part) {
      if (View(a, part) != other.View(b, part)) return false;
    }
  }
  return true;
}

}  // namespace cvd
