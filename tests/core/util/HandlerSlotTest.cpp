// Notices to a view that may go before or after the part that sends them.
#include "core/util/HandlerSlot.h"

#include <gtest/gtest.h>

#include <optional>

namespace cvd {
namespace {

TEST(HandlerSlotTest, TheHandlerLivesAsLongAsItsSubscriptionWhicheverGoesFirst) {
  int calls = 0;
  {
    HandlerSlot slot;
    std::optional<Subscription> subscription = slot.Subscribe([&] { ++calls; });
    slot();
    subscription.reset();  // the view goes first: no more calls
    slot();
  }
  EXPECT_EQ(calls, 1);
  {
    std::optional<Subscription> subscription;
    {
      HandlerSlot slot;
      subscription = slot.Subscribe([&] { ++calls; });
      Subscription replaced = slot.Subscribe([&] { calls += 10; });  // a later view takes over
      slot();
    }
    subscription.reset();  // the part went first: nothing left to touch
  }
  EXPECT_EQ(calls, 11);
}

}  // namespace
}  // namespace cvd
