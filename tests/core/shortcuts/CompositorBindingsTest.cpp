// The shortcut keys as Wayland compositors' key bindings.
#include "core/shortcuts/CompositorBindings.h"

#include <gtest/gtest.h>

#include "core/shortcuts/KeyValue.h"

namespace cvd {
namespace {

TEST(CompositorBindingsTest, EachCompositorGetsItsOwnSyntaxWithTheNameQuotedForTheShell) {
  const std::vector<BoundFunction> functions = {
      {"Paste active button", (hkAlt | hkCtrl | hkShift | hkSuper) * 256 + 123},  // F12
      {"it's <fix> & \"more\"", 'Q'},
  };
  const struct {
    const char* compositor;
    std::string first, second;
  } cases[] = {
      {"sway", "bindsym Mod1+Ctrl+Shift+Mod4+F12 exec \"'/t/tool' do 'Paste active button'\"",
       "bindsym q exec \"'/t/tool' do 'it'\\''s <fix> & '$(printf '\\042')'more'$(printf '\\042')''\""},
      {"hyprland", "bind = ALT CTRL SHIFT SUPER, F12, exec, '/t/tool' do 'Paste active button'",
       "bind = , q, exec, '/t/tool' do 'it'\\''s <fix> & \"more\"'"},
      {"labwc",
       "<keybind key=\"A-C-S-W-F12\"><action name=\"Execute\" command=\"'/t/tool' do 'Paste active "
       "button'\"/></keybind>",
       "<keybind key=\"q\"><action name=\"Execute\" command=\"'/t/tool' do 'it'\\''s &lt;fix&gt; &amp; "
       "&quot;more&quot;'\"/></keybind>"},
      {"river",
       "riverctl map normal Alt+Control+Shift+Super F12 spawn ''\\''/t/tool'\\'' do '\\''Paste active button'\\'''",
       "riverctl map normal None q spawn ''\\''/t/tool'\\'' do '\\''it'\\''\\'\\'''\\''s <fix> & \"more\"'\\'''"},
  };
  for (const auto& c : cases) {
    const std::string out = CompositorBindings(*CompositorOfName(c.compositor), functions, "/t/tool");
    EXPECT_NE(out.find("\n" + c.first + "\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\n" + c.second + "\n"), std::string::npos) << out;
  }
  EXPECT_FALSE(CompositorOfName("weston"));
}

TEST(CompositorBindingsTest, OnlyFunctionsWithAUsableKeyAreBound) {
  Settings settings;
  settings.FixedHotKeys.fill(0);
  settings.FixedHotKeys[0] = hkCtrl * 256 + 'E';
  settings.FixedHotKeys[1] = hkCtrl * 256 + 200;  // no key of the setup page
  settings.QuickFixes.Entries = {"Upper=U", "Lower=L", "Trim=T"};
  settings.QuickFixHotKeys = {0, hkAlt * 256 + '1'};
  const std::vector<BoundFunction> functions = BoundFunctions(settings);
  ASSERT_EQ(functions.size(), 2u);
  EXPECT_EQ(functions[0].name, kFixedHotKeys[0].label);
  EXPECT_EQ(functions[0].keyValue, hkCtrl * 256 + 'E');
  EXPECT_EQ(functions[1].name, "Lower");
  EXPECT_EQ(functions[1].keyValue, hkAlt * 256 + '1');
}

}  // namespace
}  // namespace cvd
