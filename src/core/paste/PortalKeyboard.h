#pragma once
// The keyboard port through the desktop's remote desktop portal, where the
// compositor lets no program type otherwise (GNOME, KDE Plasma). The
// session is asked for at the first key event, not at start: the desktop's
// question then comes with the paste that needs it. Keys sent while the
// question is open wait, and go out with their timing once it is granted.
// A refusal, a failure or a session the desktop ends is told once. After a
// refusal or a failure the keys of that paste are dropped (the text stays on
// the clipboard) and the next paste the user asks for asks again, never the
// rest of the same one; after an ended session the next key asks again.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/ports/EventLoop.h"
#include "core/ports/Keyboard.h"
#include "core/ports/RemoteDesktop.h"
#include "core/ports/TrayView.h"

namespace cvd {

inline constexpr const char* kTypingRefusedText =
    "The desktop did not allow Corvinade to type into other windows. The text is on the clipboard: paste it "
    "with Ctrl+V. The desktop asks again at your next paste.";
inline constexpr const char* kTypingFailedText =
    "Corvinade cannot type into other windows: the desktop's remote desktop portal did not grant a keyboard. "
    "The text is on the clipboard: paste it with Ctrl+V.";
inline constexpr const char* kTypingEndedText =
    "The desktop ended Corvinade's permission to type into other windows. It is asked for again at your next "
    "paste.";

class PortalKeyboard : public Keyboard {
 public:
  enum class State : std::uint8_t { Idle, Requesting, Started, Refused, Failed, Closed };

  PortalKeyboard(RemoteDesktop& desktop, EventLoop& loop, TrayView& notices);
  // Without a store the grant is asked for in every run.
  void SetTokenStore(RestoreTokenStore store) { store_ = std::move(store); }

  void SendKeyEvent(Key key, bool up) override;
  // Keys by keysym (core/paste/Keysyms): the desktop's layout types them.
  std::optional<KeyScan> KeyForCharacter(char32_t character) override;
  // The portal does not tell the lock state.
  bool CapsLockOn() override { return false; }
  // Keys this keyboard holds.
  bool IsKeyDown(NamedKey key) override;

  State CurrentState() const { return state_; }

  // Key events this far apart belong to different pastes.
  static constexpr int kQuietMs = 1500;
  // Keys that waited longer than this for the grant are not sent: the user
  // has moved on.
  static constexpr int kStaleMs = 30000;
  static constexpr std::size_t kMaxWaiting = 4096;

 private:
  struct Waiting {
    std::uint32_t keysym;
    bool pressed;
    std::int64_t atMs;
  };
  void Request(bool withToken);
  void Answered(const RemoteStartAnswer& answer, bool withToken);
  void SendWaiting();
  void Send(std::uint32_t keysym, bool pressed);
  void EndSession(State state, const char* notice);
  std::string LoadToken() const { return store_.load ? store_.load() : std::string(); }
  void SaveToken(const std::string& token);

  RemoteDesktop& desktop_;
  EventLoop& loop_;
  TrayView& notices_;
  RestoreTokenStore store_;
  State state_ = State::Idle;
  std::vector<Waiting> waiting_;
  std::set<std::uint32_t> held_;  // keysyms pressed and not released
  std::int64_t lastEventMs_ = 0;  // the last key event, or the end of the last session
};

}  // namespace cvd
