// Reading wave files from the player's disk: good ones play, broken ones
// read as nothing and never run past the bytes they have.

#include "core/platform/wave.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace velmora {
namespace {

std::string le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string le16(int v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }

std::string fmtChunk(int tag, int channels, std::uint32_t rate, int bits) {
  const int block = channels * bits / 8;
  return "fmt " + le32(16) + le16(tag) + le16(channels) + le32(rate) + le32(rate * static_cast<std::uint32_t>(block)) +
         le16(block) + le16(bits);
}

std::string wave(const std::string& chunks) {
  return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

std::string dataChunk(const std::string& samples, std::uint32_t declared) { return "data" + le32(declared) + samples; }

TEST(Wave, PlainPcmFilesAreRead) {
  const std::string samples(4 * 4410, '\x10');  // 16-bit stereo, a tenth of a second
  auto sound = parseWave(wave(fmtChunk(1, 2, 44100, 16) + "LIST" + le32(3) + "abc" + std::string(1, '\0') +
                              dataChunk(samples, static_cast<std::uint32_t>(samples.size()))));
  ASSERT_TRUE(sound.has_value());
  EXPECT_EQ(sound->format, SampleFormat::S16);
  EXPECT_EQ(sound->channels, 2);
  EXPECT_EQ(sound->sampleRate, 44100);
  EXPECT_EQ(sound->frameBytes, 4);
  EXPECT_EQ(sound->samples, samples);  // the odd-sized chunk before it was skipped with its pad byte
  EXPECT_EQ(sound->durationMs(), 100);

  auto mono8 = parseWave(wave(fmtChunk(1, 1, 8000, 8) + dataChunk("\x80\x81\x82", 3)));
  ASSERT_TRUE(mono8.has_value());
  EXPECT_EQ(mono8->format, SampleFormat::U8);
  EXPECT_EQ(mono8->samples.size(), 3u);
  auto floats = parseWave(wave(fmtChunk(3, 1, 48000, 32) + dataChunk(std::string(8, '\0'), 8)));
  ASSERT_TRUE(floats.has_value());
  EXPECT_EQ(floats->format, SampleFormat::Float32);
}

TEST(Wave, BrokenFilesReadAsNothing) {
  const std::string good = wave(fmtChunk(1, 1, 22050, 16) + dataChunk(std::string(200, 'a'), 200));
  ASSERT_TRUE(parseWave(good).has_value());
  // Cut anywhere inside the headers.
  for (size_t n = 0; n < 44; ++n) EXPECT_FALSE(parseWave(good.substr(0, n)).has_value()) << n;
  std::string header = good;
  header[8] = 'X';  // not WAVE
  EXPECT_FALSE(parseWave(header).has_value());
  EXPECT_FALSE(parseWave(wave(dataChunk("abcd", 4) + fmtChunk(1, 1, 22050, 16))).has_value());  // data first
  EXPECT_FALSE(parseWave(wave(fmtChunk(1, 1, 22050, 16) + dataChunk("", 0))).has_value());      // zero length
  EXPECT_FALSE(parseWave(wave(fmtChunk(2, 1, 22050, 4) + dataChunk("abcd", 4))).has_value());   // ADPCM
  EXPECT_FALSE(parseWave(wave(fmtChunk(1, 0, 22050, 16) + dataChunk("abcd", 4))).has_value());  // no channel
  EXPECT_FALSE(parseWave(wave(fmtChunk(1, 1, 0, 16) + dataChunk("abcd", 4))).has_value());      // no rate
  EXPECT_FALSE(parseWave(wave("fmt " + le32(0xFFFFFFF0u) + "xy")).has_value());  // a format chunk cut short
}

TEST(Wave, DeclaredSizesBeyondTheFilePlayWhatIsThere) {
  // Half a frame at the end is dropped: the output takes whole frames only.
  auto sound = parseWave(wave(fmtChunk(1, 2, 8000, 16) + dataChunk(std::string(10, 'a'), 0xFFFFFFFFu)));
  ASSERT_TRUE(sound.has_value());
  EXPECT_EQ(sound->samples.size(), 8u);
  std::string huge = wave(fmtChunk(1, 1, 8000, 16) + dataChunk("ab", 2));
  huge.replace(4, 4, le32(0xFFFFFFFFu));  // the RIFF size is not trusted either
  EXPECT_TRUE(parseWave(huge).has_value());
}

TEST(Wave, FilesAreFoundWithEitherSeparator) {
  EXPECT_EQ(nativePath(".\\Sound\\Capture.wav"), "./Sound/Capture.wav");
  const std::string path = testing::TempDir() + "velmora-wave-test.wav";
  std::ofstream(path, std::ios::binary) << wave(fmtChunk(1, 1, 8000, 8) + dataChunk("abcd", 4));
  std::string windows = path;
  for (char& c : windows)
    if (c == '/') c = '\\';
  EXPECT_TRUE(readWaveFile(windows).has_value());
  EXPECT_FALSE(readWaveFile(path + ".missing").has_value());
  EXPECT_FALSE(readWaveFile(testing::TempDir()).has_value());  // a folder
  std::remove(path.c_str());
}

TEST(WaveFile, AnOddChunkEndingTheFileIsNoCrash) {
  // The last chunk has an odd size, so its padding byte would lie past the
  // end of the file: reading stops there instead of running off the end.
  std::string bytes = "RIFF";
  bytes += std::string("\x0a\x26\x00\x00", 4) + "WAVE" + "junk" + std::string("\x05\x00\x00\x00", 4) + "abcde";
  EXPECT_FALSE(parseWave(bytes).has_value());
}

}  // namespace
}  // namespace velmora
