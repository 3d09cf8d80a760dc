#include "shell/system/audio_output.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "core/platform/wave.h"

namespace velmora {

namespace {

constexpr int kChunkMs = 40;  // how soon a sound that is cut off falls silent

// One sound asked for. A game sound plays whole; a background one (the
// Sound dialog's trial) gives way to the next sound.
struct Request {
  std::string file;
  bool background = false;
  std::atomic<bool> cancelled{false};
};

using RequestPtr = std::shared_ptr<Request>;

pa_sample_format_t paFormat(SampleFormat f) {
  switch (f) {
    case SampleFormat::U8: return PA_SAMPLE_U8;
    case SampleFormat::S16: return PA_SAMPLE_S16LE;
    case SampleFormat::S24: return PA_SAMPLE_S24LE;
    case SampleFormat::S32: return PA_SAMPLE_S32LE;
    case SampleFormat::Float32: return PA_SAMPLE_FLOAT32LE;
  }
  return PA_SAMPLE_S16LE;
}

void playOnTheServer(const WaveSound& sound, const std::atomic<bool>& cancelled) {
  pa_sample_spec spec{paFormat(sound.format), static_cast<std::uint32_t>(sound.sampleRate),
                      static_cast<std::uint8_t>(sound.channels)};
  int error = 0;
  pa_simple* stream =
      pa_simple_new(nullptr, "Velmora", PA_STREAM_PLAYBACK, nullptr, "event sound", &spec, nullptr, nullptr, &error);
  if (!stream) return;
  const size_t chunk =
      static_cast<size_t>(sound.frameBytes) * static_cast<size_t>(std::max(1, sound.sampleRate * kChunkMs / 1000));
  bool ok = true;
  for (size_t at = 0; ok && at < sound.samples.size() && !cancelled; at += chunk)
    ok = pa_simple_write(stream, sound.samples.data() + at, std::min(chunk, sound.samples.size() - at), &error) >= 0;
  if (ok && !cancelled) pa_simple_drain(stream, &error);
  pa_simple_free(stream);
}

SoundSink& currentSink() {
  static SoundSink sink = playOnTheServer;
  return sink;
}

// Each sound plays on a thread of its own, from the moment it is asked for:
// the server's slow draining of one stream (about two seconds) never holds
// back the next, so every sound is heard with the board step it belongs to.
class Player {
 public:
  void start(const std::string& file, bool background) {
    auto r = std::make_shared<Request>();
    r->file = file;
    r->background = background;
    {
      std::lock_guard lock(mutex_);
      // A sound nobody waits for gives way to whatever is asked for next.
      for (auto& weak : backgroundSounds_)
        if (const RequestPtr playing = weak.lock()) playing->cancelled = true;
      backgroundSounds_.clear();
      if (background) backgroundSounds_.push_back(r);
    }
    SoundSink sink = currentSink();
    std::thread([r, sink] {
      const auto sound = readWaveFile(r->file);
      if (sound && !r->cancelled) sink(*sound, r->cancelled);
    }).detach();
  }

 private:
  std::mutex mutex_;
  std::vector<std::weak_ptr<Request>> backgroundSounds_;
};

// Never destroyed: a sound still playing when the program ends is cut off by
// the end of the process rather than waited for.
Player& player() {
  static Player* p = new Player;
  return *p;
}

}  // namespace

void playWaveFile(const std::string& file, std::function<void()> finished) {
  // The header tells the length; an event sound is small enough to read
  // here. The sound then plays on the player's thread, nobody waiting on it.
  const auto sound = readWaveFile(file);
  const int length = sound ? sound->durationMs() : 0;
  if (sound) player().start(file, false);
  if (!finished) return;
  QTimer::singleShot(length, QCoreApplication::instance(), std::move(finished));
}

void playWaveFileInBackground(const std::string& file) { player().start(file, true); }

void setSoundSink(SoundSink sink) { currentSink() = sink ? std::move(sink) : SoundSink(playOnTheServer); }

}  // namespace velmora
