#include "core/app/Instance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace cvd {

std::string InstanceSocketPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime) {
    std::string dir = runtime;
    if (dir.back() != '/') dir += '/';
    return dir + kInstanceName;
  }
  return std::string("/tmp/") + kInstanceName + "-" + std::to_string(getuid());
}

namespace {

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

bool WaitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd p{fd, events, 0};
    const int r = poll(&p, 1, static_cast<int>(left.count()));
    if (r > 0) return true;
    if (r == 0) return false;
    if (errno != EINTR) return false;
  }
}

}  // namespace

bool StreamInstanceRequest(const std::string& request, int timeoutMs,
                           const std::function<void(std::string_view piece)>& piece) {
  const std::string path = InstanceSocketPath();
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

  Fd fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (fd.get() < 0) return false;
  if (connect(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return false;

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  const std::string line = request + "\n";
  std::size_t sent = 0;
  while (sent < line.size()) {
    if (!WaitFor(fd.get(), POLLOUT, deadline)) return false;
    const ssize_t n = send(fd.get(), line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  char buffer[65536];
  for (;;) {
    if (!WaitFor(fd.get(), POLLIN, deadline)) return false;
    const ssize_t n = recv(fd.get(), buffer, sizeof buffer, 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return true;
    piece(std::string_view(buffer, static_cast<std::size_t>(n)));
  }
}

std::optional<std::string> SendInstanceRequest(const std::string& request, int timeoutMs) {
  std::string answer;
  if (!StreamInstanceRequest(request, timeoutMs, [&answer](std::string_view piece) { answer += piece; })) {
    return std::nullopt;
  }
  return answer;
}

}  // namespace cvd
