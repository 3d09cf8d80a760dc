#pragma once
// Reading wave files for the event sounds. A file comes from the player's
// disk and may be anything: whatever is not a plain PCM or float wave of
// sensible size reads as nothing, which plays as silence.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

enum class SampleFormat { U8, S16, S24, S32, Float32 };

struct WaveSound {
  SampleFormat format = SampleFormat::S16;
  int channels = 0;
  int sampleRate = 0;
  int frameBytes = 0;   // channels x bytes per sample
  std::string samples;  // little-endian frames, a whole number of them

  int durationMs() const;
};

// A wave file longer than this is not an event sound and is not read.
constexpr std::uintmax_t kMaxWaveFileBytes = 32u << 20;

// The sound in the bytes of a wave file; a data chunk that claims more than
// the file holds plays what is there.
std::optional<WaveSound> parseWave(std::string_view bytes);

// Reads and parses the file at `path`, written with either separator.
std::optional<WaveSound> readWaveFile(const std::string& path);

// The settings keep paths in the form ".\Sound\Capture.wav": on this
// system the backslashes are separators too.
std::string nativePath(const std::string& path);

}  // namespace velmora
