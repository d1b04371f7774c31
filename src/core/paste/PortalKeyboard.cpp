#include "core/paste/PortalKeyboard.h"

#include <algorithm>

#include "core/log/Log.h"
#include "core/paste/Keysyms.h"

namespace cvd {
namespace {
constexpr int kNoticeSeconds = 20;
// The longest pause kept between waiting keys: a macro's delay.
constexpr int kMaxReplayPauseMs = 10000;
}  // namespace

PortalKeyboard::PortalKeyboard(RemoteDesktop& desktop, EventLoop& loop, TrayView& notices)
    : desktop_(desktop), loop_(loop), notices_(notices) {
  desktop_.SetClosedHandler([this] {
    if (state_ == State::Started) EndSession(State::Closed, kTypingEndedText);
  });
}

void PortalKeyboard::SendKeyEvent(Key key, bool up) {
  const std::uint32_t keysym = KeysymOf(key);
  const std::int64_t now = loop_.NowMs();
  const std::int64_t quiet = now - lastEventMs_;
  lastEventMs_ = now;
  // A release of a key not held (dropped with a refused paste) is no event.
  if (up ? !held_.erase(keysym) : !held_.insert(keysym).second) {
    if (up) return;
  }
  switch (state_) {
    case State::Started: Send(keysym, !up); return;
    case State::Refused:
    case State::Failed:
      // The rest of the paste that was refused: no second question.
      if (quiet < kQuietMs) {
        held_.erase(keysym);
        return;
      }
      [[fallthrough]];
    case State::Closed:  // the desktop ended it: the next key asks afresh
    case State::Idle:
    case State::Requesting:
      if (waiting_.size() >= kMaxWaiting) {
        LogWarning("paste", "too many keys wait for the desktop's permission to type; this one is dropped");
        held_.erase(keysym);
        return;
      }
      waiting_.push_back({keysym, !up, now});
      if (state_ != State::Requesting) Request(true);
      return;
  }
}

void PortalKeyboard::Request(bool withToken) {
  state_ = State::Requesting;
  const std::string token = withToken ? LoadToken() : std::string();
  const bool usesToken = !token.empty();
  desktop_.Start(token, [this, usesToken](const RemoteStartAnswer& answer) { Answered(answer, usesToken); });
}

void PortalKeyboard::Answered(const RemoteStartAnswer& answer, bool withToken) {
  if (state_ != State::Requesting) return;
  switch (answer.result) {
    case RemoteStartResult::Started:
      state_ = State::Started;
      // A token is good for one start: the one given now replaces it, and
      // a desktop that gives none leaves nothing to reuse.
      SaveToken(answer.restoreToken);
      SendWaiting();
      return;
    case RemoteStartResult::Failed:
      if (withToken) {
        // The desktop may refuse an old grant it no longer knows: ask afresh.
        LogInfo("paste", "the desktop's remote desktop session did not start with the kept grant (" + answer.detail +
                             "); asking again");
        SaveToken("");
        Request(false);
        return;
      }
      LogWarning("paste", "the desktop's remote desktop session did not start: " + answer.detail);
      EndSession(State::Failed, kTypingFailedText);
      return;
    case RemoteStartResult::Refused:
      LogInfo("paste", "the desktop did not allow typing into other windows");
      if (withToken) SaveToken("");
      EndSession(State::Refused, kTypingRefusedText);
      return;
  }
}

void PortalKeyboard::SendWaiting() {
  std::vector<Waiting> waiting;
  waiting.swap(waiting_);
  if (waiting.empty()) return;
  if (loop_.NowMs() - waiting.front().atMs > kStaleMs) {
    LogInfo("paste", "the keys that waited for the desktop's permission are too old to send");
    held_.clear();
    return;
  }
  // The pauses between the keys are kept: a macro's delays and the time the
  // target needs to read the clipboard.
  for (std::size_t i = 0; i < waiting.size(); ++i) {
    if (i > 0) {
      const std::int64_t pause = std::clamp<std::int64_t>(waiting[i].atMs - waiting[i - 1].atMs, 0, kMaxReplayPauseMs);
      if (pause > 0) loop_.Sleep(static_cast<int>(pause));
    }
    // A session the desktop ended meanwhile takes no more keys.
    if (state_ != State::Started) return;
    Send(waiting[i].keysym, waiting[i].pressed);
  }
}

void PortalKeyboard::Send(std::uint32_t keysym, bool pressed) { desktop_.SendKeysym(keysym, pressed); }

void PortalKeyboard::EndSession(State state, const char* notice) {
  state_ = state;
  waiting_.clear();
  held_.clear();
  // An answer comes while its paste goes on: the rest of it is dropped
  // quietly from now on.
  lastEventMs_ = loop_.NowMs();
  notices_.Balloon("Corvinade", notice, kNoticeSeconds);
}

void PortalKeyboard::SaveToken(const std::string& token) {
  if (!store_.save || token == LoadToken()) return;
  store_.save(token);
}

std::optional<KeyScan> PortalKeyboard::KeyForCharacter(char32_t character) { return KeysymKeyForCharacter(character); }

bool PortalKeyboard::IsKeyDown(NamedKey key) { return held_.count(NamedKeysym(key)) > 0; }

}  // namespace cvd
