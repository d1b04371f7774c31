#include "core/data/ButtonList.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <utility>

#include "core/data/LateButtons.h"

namespace cvd {

namespace {

// Changes may leave this many bytes behind before the store is rewritten,
// or half the store when that is more.
constexpr std::size_t kTolerableGarbage = 4096;
constexpr std::size_t kMaxButtonBytes = 0x7FFFFFFF;
constexpr std::size_t kMaxStoreBytes = UINT32_MAX;

std::size_t NumberBytes(std::size_t n) {
  std::size_t bytes = 1;
  for (; n >= 0x80; n >>= 7) ++bytes;
  return bytes;
}

char* PutNumber(char* out, std::size_t n) {
  for (; n >= 0x80; n >>= 7) *out++ = static_cast<char>((n & 0x7F) | 0x80);
  *out++ = static_cast<char>(n);
  return out;
}

const char* GetNumber(const char* in, std::size_t& n) {
  n = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(*in++);
    n |= std::size_t{byte & 0x7Fu} << shift;
    if (byte < 0x80) return in;
  }
}

}  // namespace

ButtonList::ButtonList(const ButtonList& other) { *this = other; }

ButtonList& ButtonList::operator=(const ButtonList& other) {
  if (this != &other) {
    other.WaitForStrings();
    records_ = other.records_;
    store_ = other.store_;
    garbage_ = other.garbage_;
    late_.reset();
  }
  return *this;
}

void ButtonList::TakeLateStrings() const {
  auto* self = const_cast<ButtonList*>(this);
  std::shared_ptr<LateButtons> late = std::move(self->late_);
  try {
    late->HandOver(lateKey_, *self);
  } catch (...) {
    // Never seen half read: every later use tries again.
    self->late_ = std::move(late);
    throw;
  }
}

void ButtonList::clear() {
  late_.reset();
  records_.clear();
  store_.clear();
  garbage_ = 0;
}

void ButtonList::assign(std::size_t count, const TButton& button) {
  clear();
  resize(count, button);
}

void ButtonList::resize(std::size_t count, const TButton& fill) {
  WaitForStrings();
  if (count < size()) {
    erase(count, size());
    return;
  }
  if (fill == TButton{}) {
    // A new record is an empty button already: a big file's groups get
    // their slots without a store write each.
    records_.resize(count);
    return;
  }
  const std::size_t old = size();
  reserve(count, store_.size() + (count - old) * (fill.Name.size() + fill.Hint.size() + fill.Text.size()));
  records_.resize(count);
  for (std::size_t i = old; i < count; ++i) Set(i, fill);
}

std::string_view ButtonList::View(const Record& r, int part) const {
  const std::size_t total = r.Total();
  if (total == 0) return {};
  const char* at = store_.data() + r.offset;
  std::size_t name = 0, hint = 0;
  at = GetNumber(GetNumber(at, name), hint);
  const char* const end = store_.data() + r.offset + total;
  if (part == 0) return {at, name};
  if (part == 1) return {at + name, hint};
  return {at + name + hint, static_cast<std::size_t>(end - (at + name + hint))};
}

const TButton ButtonList::operator[](std::size_t i) const {
  WaitForStrings();
  const Record& r = records_[i];
  TButton button;
  button.Name = View(r, 0);
  button.Hint = View(r, 1);
  button.Text = View(r, 2);
  button.Used = r.Used();
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
  SetStrings(i, button.Name, button.Hint, button.Text);
  r.SetUsed(button.Used);
  r.fontColor = button.FontColor;
  r.color = button.Color;
}

void ButtonList::SetStrings(std::size_t i, std::string_view name, std::string_view hint, std::string_view text) {
  WaitForStrings();
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
  const bool empty = name.empty() && hint.empty() && text.empty();
  const std::size_t header = empty ? 0 : NumberBytes(name.size()) + NumberBytes(hint.size());
  if (text.size() > kMaxButtonBytes || name.size() + hint.size() + text.size() > kMaxButtonBytes - header) {
    throw std::length_error("button text too long");
  }
  const std::size_t total = header + name.size() + hint.size() + text.size();
  const std::size_t room = r.Total();
  if (total > room && store_.size() > kMaxStoreBytes - total) throw std::length_error("group texts too long");
  if (total <= room) {
    garbage_ += room - total;
  } else {
    garbage_ += room;
    r.offset = static_cast<std::uint32_t>(store_.size());
    store_.resize(store_.size() + total);
  }
  r.SetTotal(total);
  if (empty) return;
  char* out = PutNumber(PutNumber(store_.data() + r.offset, name.size()), hint.size());
  for (const std::string_view part : {name, hint, text}) out = std::copy(part.begin(), part.end(), out);
}

void ButtonList::insert(std::size_t at, const TButton& button) {
  if (at > size()) throw std::out_of_range("ButtonList::insert");
  WaitForStrings();
  records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(at), Record{});
  Set(at, button);
}

void ButtonList::erase(std::size_t first, std::size_t last) {
  last = std::min(last, size());
  if (first >= last) return;
  WaitForStrings();
  for (std::size_t i = first; i < last; ++i) Forget(records_[i]);
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(first),
                 records_.begin() + static_cast<std::ptrdiff_t>(last));
  CompactIfWasteful();
}

void ButtonList::Swap(std::size_t a, std::size_t b) {
  WaitForStrings();
  std::swap(records_.at(a), records_.at(b));
}

void ButtonList::Rotate(std::size_t first, std::size_t middle, std::size_t last) {
  if (!(first <= middle && middle <= last && last <= size())) throw std::out_of_range("ButtonList::Rotate");
  WaitForStrings();
  const auto begin = records_.begin();
  std::rotate(begin + static_cast<std::ptrdiff_t>(first), begin + static_cast<std::ptrdiff_t>(middle),
              begin + static_cast<std::ptrdiff_t>(last));
}

void ButtonList::reserve(std::size_t count, std::size_t chars) {
  WaitForStrings();
  records_.reserve(count);
  store_.reserve(chars);
}

void ButtonList::Adopt(std::size_t first, ButtonList&& part, bool colours) {
  if (first + part.size() > size()) throw std::out_of_range("ButtonList::Adopt");
  WaitForStrings();
  part.WaitForStrings();
  if (store_.size() != garbage_ && store_.size() > kMaxStoreBytes - part.store_.size()) {
    throw std::length_error("group texts too long");
  }
  for (std::size_t k = 0; k < part.size(); ++k) Forget(records_[first + k]);
  std::size_t shift = 0;
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
    r.offset = static_cast<std::uint32_t>(part.records_[k].offset + shift);
    r.SetTotal(part.records_[k].Total());
    if (colours) {
      r.fontColor = part.records_[k].fontColor;
      r.color = part.records_[k].color;
    }
  }
  part.clear();
  CompactIfWasteful();
}

void ButtonList::Compact() {
  WaitForStrings();
  std::vector<char> packed;
  packed.reserve(store_.size() - garbage_);
  for (Record& r : records_) {
    const std::size_t total = r.Total();
    const std::size_t from = r.offset;
    r.offset = static_cast<std::uint32_t>(packed.size());
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
  WaitForStrings();
  other.WaitForStrings();
  for (std::size_t i = 0; i < size(); ++i) {
    const Record& a = records_[i];
    const Record& b = other.records_[i];
    if (a.Used() != b.Used() || a.fontColor != b.fontColor || a.color != b.color) return false;
    for (int part = 0; part < 3; ++part) {
      if (View(a, part) != other.View(b, part)) return false;
    }
  }
  return true;
}

}  // namespace cvd
