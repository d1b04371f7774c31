#include "platform/qt/SoundPlayer.h"

#ifdef CORVINADE_HAVE_CANBERRA
#include <canberra.h>

#include <cstdlib>
#include <filesystem>

#include "core/log/Log.h"
#endif

namespace cvd::qt {

#ifdef CORVINADE_HAVE_CANBERRA
namespace {
// Whether anything can play a sound: a sound server (PulseAudio or PipeWire)
// or an ALSA playback device. Without one the sound library's ALSA back end
// writes several error lines on standard error for every sound.
bool SoundOutputExists() {
  namespace fs = std::filesystem;
  if (std::getenv("PULSE_SERVER") != nullptr) return true;
  std::error_code error;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) {
    for (const char* socket : {"pulse/native", "pipewire-0"})
      if (fs::exists(fs::path(runtime) / socket, error)) return true;
  }
  for (fs::directory_iterator it("/dev/snd", error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.rfind("pcm", 0) == 0 && name.back() == 'p') return true;
  }
  return false;
}
}  // namespace

struct SoundPlayer::Context {
  ca_context* ca = nullptr;
  bool failed = false;
};

SoundPlayer::SoundPlayer() : context_(new Context) {}

SoundPlayer::~SoundPlayer() {
  if (context_->ca) ca_context_destroy(context_->ca);
  delete context_;
}

void SoundPlayer::Play(const std::string& waveFile) {
  if (waveFile.empty() || context_->failed) return;
  // The context is made on first use, so a start-up never waits for a sound server.
  if (!context_->ca) {
    if (!SoundOutputExists()) {
      context_->failed = true;
      LogWarning("sound", "no sound output (no sound server, no sound card): clips are taken without a sound");
      return;
    }
    const int created = ca_context_create(&context_->ca);
    if (created != CA_SUCCESS) {
      context_->failed = true;
      context_->ca = nullptr;
      LogWarning("sound", std::string("the clip sound is off: ") + ca_strerror(created));
      return;
    }
  }
  const int played = ca_context_play(context_->ca, 0, CA_PROP_MEDIA_FILENAME, waveFile.c_str(),
                                     CA_PROP_EVENT_DESCRIPTION, "Clip taken", nullptr);
  // A missing file is the user's choice of file; any other failure ends the sounds.
  if (played != CA_SUCCESS && played != CA_ERROR_NOTFOUND) {
    context_->failed = true;
    LogWarning("sound", std::string("the clip sound is off: ") + ca_strerror(played));
  }
}
#else
struct SoundPlayer::Context {};
SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;
void SoundPlayer::Play(const std::string&) {}
#endif

}  // namespace cvd::qt
