#include "core/platform/wave.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/platform/little_endian.h"

namespace velmora {

namespace {

constexpr int kFormatPcm = 1;
constexpr int kFormatFloat = 3;
constexpr int kFormatExtensible = 0xFFFE;

std::optional<SampleFormat> sampleFormat(int tag, int bits) {
  if (tag == kFormatFloat) return bits == 32 ? std::optional(SampleFormat::Float32) : std::nullopt;
  if (tag != kFormatPcm) return std::nullopt;
  switch (bits) {
    case 8: return SampleFormat::U8;
    case 16: return SampleFormat::S16;
    case 24: return SampleFormat::S24;
    case 32: return SampleFormat::S32;
    default: return std::nullopt;
  }
}

}  // namespace

int WaveSound::durationMs() const {
  if (frameBytes <= 0 || sampleRate <= 0) return 0;
  const auto frames = static_cast<long long>(samples.size()) / frameBytes;
  return static_cast<int>(frames * 1000 / sampleRate);
}

std::optional<WaveSound> parseWave(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
  WaveSound sound;
  bool haveFormat = false;
  // Chunks follow one another, each padded to an even length; sizes are
  // checked against what is left, never trusted.
  size_t at = 12;
  // The padding byte of the last chunk may lie past the end: compare, never
  // subtract, so the position cannot wrap round.
  while (at <= b.size() && b.size() - at >= 8) {
    const std::string_view id = b.substr(at, 4);
    const std::uint32_t declared = le32(b, at + 4);
    const size_t body = at + 8;
    const size_t size = std::min<size_t>(declared, b.size() - body);
    if (id == "fmt ") {
      if (size < 16) return std::nullopt;
      int tag = le16(b, body);
      const int bits = le16(b, body + 14);
      if (tag == kFormatExtensible) {
        if (size < 26) return std::nullopt;
        tag = le16(b, body + 24);  // the sub-format GUID starts with the plain tag
      }
      const auto format = sampleFormat(tag, bits);
      sound.channels = le16(b, body + 2);
      sound.sampleRate = static_cast<int>(std::min<std::uint32_t>(le32(b, body + 4), 1u << 30));
      if (!format || sound.channels < 1 || sound.channels > 8 || sound.sampleRate < 1000 || sound.sampleRate > 384000)
        return std::nullopt;
      sound.format = *format;
      sound.frameBytes = sound.channels * bits / 8;
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) return std::nullopt;
      const size_t whole = size - size % static_cast<size_t>(sound.frameBytes);
      if (whole == 0) return std::nullopt;
      sound.samples.assign(b.substr(body, whole));
      return sound;
    }
    if (declared > b.size() - body) break;
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

std::optional<WaveSound> readWaveFile(const std::string& path) {
  const std::string native = nativePath(path);
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(native, error);
  if (error || size > kMaxWaveFileBytes || !std::filesystem::is_regular_file(native, error)) return std::nullopt;
  std::ifstream in(native, std::ios::binary);
  std::string bytes(static_cast<size_t>(size), '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return std::nullopt;
  return parseWave(bytes);
}

std::string nativePath(const std::string& path) {
  std::string native = path;
  for (char& c : native)
    if (c == '\\') c = '/';
  return native;
}

}  // namespace velmora
