#pragma once
// The desktop's remote-control service as far as typing needs it: a keyboard
// session the desktop grants (asking the user, unless a restore token from an
// earlier grant lets it remember), and key events by X keysym into whatever
// window has the focus.
#include <cstdint>
#include <functional>
#include <string>

namespace cvd {

enum class RemoteStartResult : std::uint8_t {
  Started,
  Refused,  // the user said no
  Failed,   // no such service, an error, or no keyboard granted
};

struct RemoteStartAnswer {
  RemoteStartResult result = RemoteStartResult::Failed;
  // Given with a grant the desktop remembers: the next start passes it.
  std::string restoreToken;
  // Why it failed, for the log.
  std::string detail;
};

// Where the restore token is kept between runs.
struct RestoreTokenStore {
  std::function<std::string()> load;
  std::function<void(const std::string&)> save;
};

class RemoteDesktop {
 public:
  virtual ~RemoteDesktop() = default;
  // Asks for a keyboard session, with the token of an earlier grant when
  // not empty. `done` runs once, later, on the event loop: the desktop's
  // question may stay open for as long as the user likes.
  virtual void Start(const std::string& restoreToken, std::function<void(const RemoteStartAnswer&)> done) = 0;
  // One key event of the started session; sent without waiting for an answer.
  virtual void SendKeysym(std::uint32_t keysym, bool pressed) = 0;
  // `closed` runs when the desktop ends a started session.
  virtual void SetClosedHandler(std::function<void()> closed) = 0;
};

}  // namespace cvd
