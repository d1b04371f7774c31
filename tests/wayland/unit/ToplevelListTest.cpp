// The toplevel list behind the Wayland windows port: the active window and
// our own windows.
#include "platform/wayland/ToplevelList.h"

#include <gtest/gtest.h>

namespace cvd::wayland {
namespace {

TEST(ToplevelListTest, TheActiveWindowIsTheLastOneActivatedAndChangesCountFromDone) {
  ToplevelList list({});
  const WindowId a = list.Add(), b = list.Add();
  list.SetTitle(a, "A");
  list.SetStates(a, {kMaximized, kActivated});
  EXPECT_EQ(list.Active(), 0u);  // not before its done
  EXPECT_EQ(list.Title(a), "");
  list.Done(a);
  EXPECT_EQ(list.Active(), a);
  EXPECT_EQ(list.Title(a), "A");

  // b becomes active before a's deactivation arrives: b stays active.
  list.SetStates(b, {kActivated});
  list.Done(b);
  list.SetStates(a, {});
  list.Done(a);
  EXPECT_EQ(list.Active(), b);
  // A title change alone keeps the state.
  list.SetTitle(b, "B2");
  list.Done(b);
  EXPECT_EQ(list.Active(), b);
  EXPECT_EQ(list.Title(b), "B2");

  list.SetStates(b, {kMinimized});
  list.Done(b);
  EXPECT_TRUE(list.IsMinimized(b));
  EXPECT_EQ(list.Active(), 0u);
  list.SetStates(a, {kActivated});
  list.Done(a);
  list.Remove(a);
  EXPECT_EQ(list.Active(), 0u);
  EXPECT_EQ(list.Title(a), "");
}

TEST(ToplevelListTest, OurWindowsAreKnownByTheirAppIdWhateverItsCase) {
  ToplevelList list({"corvinade", "Corvinade"});
  const struct {
    std::string appId;
    bool ours;
  } cases[] = {{"Corvinade", true}, {"CORVINADE", true}, {"corvinade-tool", false}, {"foot", false}, {"", false}};
  for (const auto& c : cases) {
    const WindowId w = list.Add();
    list.SetAppId(w, c.appId);
    list.Done(w);
    EXPECT_EQ(list.IsOurs(w), c.ours) << c.appId;
  }
}

}  // namespace
}  // namespace cvd::wayland
