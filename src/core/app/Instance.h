#pragma once
// The per-user socket that makes the program a single instance and answers
// corvinade-tool. Requests are one line; the answer is the rest of the stream.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace cvd {

inline constexpr const char* kInstanceName = "CvdSemaphore";
inline constexpr const char* kRequestShow = "1001";
inline constexpr const char* kRequestState = "state";
inline constexpr const char* kRequestQuit = "quit";
// "do NAME": runs a shortcut function or a quick fix by its name.
inline constexpr const char* kRequestDo = "do ";
inline constexpr const char* kAnswerUnknownFunction = "unknown function";
// Opens the setup dialog on its "Shortcuts" page.
inline constexpr const char* kRequestSetupShortcuts = "setup shortcuts";
// The capture's self-test: "probe TOKEN" arms it, "probe seen TOKEN"
// answers kAnswerSeen once TOKEN was captured (and not kept), "probe end
// TOKEN" ends it and puts the clipboard's text of before back.
inline constexpr const char* kRequestProbe = "probe ";
inline constexpr const char* kRequestProbeSeen = "probe seen ";
inline constexpr const char* kRequestProbeEnd = "probe end ";
inline constexpr const char* kAnswerSeen = "seen";

// "$XDG_RUNTIME_DIR/CvdSemaphore", else "/tmp/CvdSemaphore-<uid>".
std::string InstanceSocketPath();

// Sends `request` to the running copy and returns its answer, or nothing
// when no copy answers within `timeoutMs`.
std::optional<std::string> SendInstanceRequest(const std::string& request, int timeoutMs);
// The same, handing the answer on piece by piece as it arrives (a big
// history's state report is never whole in memory); false when no copy
// answers or its answer does not end within `timeoutMs`.
bool StreamInstanceRequest(const std::string& request, int timeoutMs,
                           const std::function<void(std::string_view piece)>& piece);

}  // namespace cvd
