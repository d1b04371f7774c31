#include "core/data/ButtonList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace cvd {
namespace {

std::vector<TButton> Contents(const ButtonList& list) {
  std::vector<TButton> buttons;
  for (const TButton& button : list) buttons.push_back(button);
  return buttons;
}

// Every change, made to the packed list and to a plain vector alike, leaves
// both holding the same buttons; the store never keeps more than twice the
// live characters once they are past the tolerated slack.
TEST(ButtonList, BehavesAsAVectorOfButtonsThroughAnySequenceOfChanges) {
  std::mt19937 random(7);
  const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
  const auto text = [&] { return std::string(pick(3) == 0 ? pick(300) : pick(12), static_cast<char>('a' + pick(26))); };
  const auto button = [&] {
    return TButton{text(),       pick(4) == 0 ? text() : "",     text(),
                   pick(2) == 1, static_cast<TColor>(pick(100)), static_cast<TColor>(pick(100))};
  };
  ButtonList list;
  std::vector<TButton> model;
  for (int step = 0; step < 4000; ++step) {
    SCOPED_TRACE(step);
    const std::size_t n = model.size();
    switch (n < 3 ? 0 : pick(9)) {
      case 0: {
        const std::size_t at = pick(n + 1);
        const TButton b = button();
        list.insert(at, b);
        model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), b);
        break;
      }
      case 1: {
        const std::size_t first = pick(n), last = first + pick(n - first + 1);
        list.erase(first, last);
        model.erase(model.begin() + static_cast<std::ptrdiff_t>(first),
                    model.begin() + static_cast<std::ptrdiff_t>(last));
        break;
      }
      case 2: {
        const std::size_t i = pick(n);
        const TButton b = button();
        list.Set(i, b);
        model[i] = b;
        break;
      }
      case 3: {  // a string of the list itself as the new value
        const std::size_t i = pick(n), j = pick(n);
        list.SetText(i, list.Name(j));
        model[i].Text = model[j].Name;
        list.SetName(j, list.Text(i).substr(0, 3));
        model[j].Name = model[i].Text.substr(0, 3);
        break;
      }
      case 4: {
        const std::size_t first = pick(n), last = first + 1 + pick(n - first), middle = first + pick(last - first + 1);
        list.Rotate(first, middle, last);
        std::rotate(model.begin() + static_cast<std::ptrdiff_t>(first),
                    model.begin() + static_cast<std::ptrdiff_t>(middle),
                    model.begin() + static_cast<std::ptrdiff_t>(last));
        break;
      }
      case 5: {
        const std::size_t a = pick(n), b = pick(n);
        list.Swap(a, b);
        std::swap(model[a], model[b]);
        break;
      }
      case 6: {
        const std::size_t count = pick(n + 5);
        const TButton fill = button();
        list.resize(count, fill);
        model.resize(count, fill);
        break;
      }
      case 7: {  // strings read elsewhere replace a run, keeping colours and marks
        const std::size_t first = pick(n), count = 1 + pick(n - first);
        ButtonList part;
        for (std::size_t k = 0; k < count; ++k) {
          const TButton b = button();
          part.push_back(b);
          model[first + k].Name = b.Name, model[first + k].Hint = b.Hint, model[first + k].Text = b.Text;
        }
        list.Adopt(first, std::move(part));
        break;
      }
      default: {
        const std::size_t i = pick(n);
        list.SetUsed(i, !list.Used(i));
        model[i].Used = !model[i].Used;
        list.SetColor(i, 5);
        model[i].Color = 5;
        break;
      }
    }
    ASSERT_EQ(Contents(list), model);
    std::size_t live = 0;  // with at most two bytes of each length
    for (const TButton& b : model) live += b.Name.size() + b.Hint.size() + b.Text.size() + 4;
    ASSERT_LE(list.StoreSize(), std::max<std::size_t>(2 * live, live + 4096));
  }
}

TEST(ButtonList, AListWithoutCharactersTakesAReadPartWholeAndKeepsItsColours) {
  ButtonList list(3, TButton{"", "", "", true, 11, 12});
  ButtonList part;
  part.push_back(TButton{"n1", "h1", "t1"});
  part.push_back(TButton{"n2", "", "t2"});
  list.Adopt(1, std::move(part));
  EXPECT_EQ(list.StoreSize(), 14u);  // "22n1h1t1" "20n2t2", the lengths as single bytes
  EXPECT_EQ(list[2], (TButton{"n2", "", "t2", true, 11, 12}));
  EXPECT_EQ(list[0], (TButton{"", "", "", true, 11, 12}));
  EXPECT_THROW(list.Adopt(2, ButtonList(2, TButton{})), std::out_of_range);
}

}  // namespace
}  // namespace cvd
