#include "platform/qt/SoundPlayer.h"

#ifdef CORVINADE_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace cvd::qt {

#ifdef CORVINADE_HAVE_CANBERRA
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
  if (!context_->ca && ca_context_create(&context_->ca) != CA_SUCCESS) {
    context_->failed = true;
    context_->ca = nullptr;
    return;
  }
  ca_context_play(context_->ca, 0, CA_PROP_MEDIA_FILENAME, waveFile.c_str(), CA_PROP_EVENT_DESCRIPTION, "Clip taken",
                  nullptr);
}
#else
struct SoundPlayer::Context {};
SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;
void SoundPlayer::Play(const std::string&) {}
#endif

}  // namespace cvd::qt
