#include "core/ai/endgame_file.h"

#include "core/ai/endgame_db.h"
#include "core/platform/file_write.h"
#include "core/platform/little_endian.h"

namespace velmora {

namespace {

constexpr char kMagic[8] = {'V', 'L', 'M', 'E', 'G', 'D', 'B', 0};

// Offsets in the header.
constexpr std::size_t kVersionAt = 8, kFamilyAt = 10, kSizeAt = 11, kMaterialAt = 12, kPositionsAt = 16, kWinsAt = 24,
                      kLossesAt = 32, kDrawsAt = 40, kOutcomesAt = 48, kPliesAt = 56, kChecksumAt = 64;
static_assert(kChecksumAt + 8 == kEndgameHeaderBytes);

enum : std::uint8_t { kDrawBits = 0, kWinBits = 1, kLossBits = 2 };

void put64(std::string& s, std::size_t at, std::uint64_t v) {
  for (int i = 0; i < 8; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>(v >> (8 * i) & 0xff);
}

std::uint64_t le64(std::string_view b, std::size_t at) { return le32(b, at) | std::uint64_t{le32(b, at + 4)} << 32; }

std::uint64_t checksum(const std::vector<std::uint8_t>& values) {
  std::uint64_t h = 0xcbf29ce484222325ull;  // FNV-1a
  for (std::uint8_t v : values) h = (h ^ v) * 0x100000001b3ull;
  return h;
}

// Runs of three to 130 equal bytes as (128 + length - 3, byte); anything
// else as (count - 1, up to 128 bytes as they are).
void encodeRuns(const std::uint8_t* data, std::size_t n, std::string& out) {
  std::size_t i = 0;
  while (i < n) {
    std::size_t run = 1;
    while (i + run < n && run < 130 && data[i + run] == data[i]) ++run;
    if (run >= 3) {
      out += static_cast<char>(128 + run - 3);
      out += static_cast<char>(data[i]);
      i += run;
      continue;
    }
    std::size_t literal = 0;
    while (i + literal < n && literal < 128) {
      const std::size_t at = i + literal;
      if (at + 2 < n && data[at] == data[at + 1] && data[at] == data[at + 2]) break;
      ++literal;
    }
    out += static_cast<char>(literal - 1);
    out.append(reinterpret_cast<const char*>(data + i), literal);
    i += literal;
  }
}

// The `n` bytes coded in `in`, which must be used up exactly.
bool decodeRuns(std::string_view in, std::size_t n, std::vector<std::uint8_t>& out) {
  out.clear();
  out.reserve(n);
  std::size_t at = 0;
  while (out.size() < n) {
    if (at >= in.size()) return false;
    const auto control = static_cast<std::uint8_t>(in[at++]);
    if (control < 128) {
      const std::size_t count = control + 1u;
      if (in.size() - at < count || n - out.size() < count) return false;
      out.insert(out.end(), in.begin() + static_cast<std::ptrdiff_t>(at),
                 in.begin() + static_cast<std::ptrdiff_t>(at + count));
      at += count;
    } else {
      const std::size_t count = control - 125u;
      if (at >= in.size() || n - out.size() < count) return false;
      out.insert(out.end(), count, static_cast<std::uint8_t>(in[at++]));
    }
  }
  return at == in.size();
}

// The most bytes runs of `n` bytes take.
std::uint64_t codedBound(std::uint64_t n) { return n + n / 128 + 1; }

}  // namespace

const char* endgameFamilyName(RuleFamily family) {
  switch (family) {
    case RuleFamily::American: return "american";
    case RuleFamily::International: return "international";
    case RuleFamily::PoolCheckers: return "pool";
    case RuleFamily::Russian: return "russian";
    case RuleFamily::Italian: return "italian";
    case RuleFamily::Spanish: return "spanish";
    case RuleFamily::Thai: return "thai";
    case RuleFamily::Turkish: return "turkish";
    case RuleFamily::Gothic: return "gothic";
    case RuleFamily::Frisian: return "frisian";
    case RuleFamily::AmericanOfficial: return "american-official";
    case RuleFamily::InternationalOfficial: return "international-official";
    case RuleFamily::PoolCheckersOfficial: return "pool-official";
    case RuleFamily::RussianOfficial: return "russian-official";
    case RuleFamily::ItalianOfficial: return "italian-official";
    case RuleFamily::SpanishOfficial: return "spanish-official";
    case RuleFamily::FrisianOfficial: return "frisian-official";
  }
  return "unknown";
}

std::string endgameFileName(RuleFamily family, int boardSize, const Material& m) {
  return std::string(endgameFamilyName(family)) + "-" + std::to_string(boardSize) + "-" + materialName(m) + ".egdb";
}

std::string encodeEndgameTable(RuleFamily family, int boardSize, const Material& m,
                               const std::vector<std::uint8_t>& values) {
  std::uint64_t counts[3] = {};  // wins, losses, draws
  std::vector<std::uint8_t> outcomes((values.size() + 3) / 4), plies(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    const EndgameResult r = endgameResult(values[i]);
    const std::uint8_t bits = r.outcome == EndgameOutcome::Win    ? kWinBits
                              : r.outcome == EndgameOutcome::Loss ? kLossBits
                                                                  : kDrawBits;
    ++counts[r.outcome == EndgameOutcome::Win ? 0 : r.outcome == EndgameOutcome::Loss ? 1 : 2];
    outcomes[i / 4] = static_cast<std::uint8_t>(outcomes[i / 4] | bits << (2 * (i % 4)));
    plies[i] = static_cast<std::uint8_t>(r.plies);
  }
  std::string out(kEndgameHeaderBytes, '\0');
  out.replace(0, sizeof kMagic, kMagic, sizeof kMagic);
  out[kVersionAt] = static_cast<char>(kEndgameFileVersion);
  out[kFamilyAt] = static_cast<char>(family);
  out[kSizeAt] = static_cast<char>(boardSize);
  const int pieces[4] = {m.whiteMen, m.whiteKings, m.blackMen, m.blackKings};
  for (std::size_t i = 0; i < 4; ++i) out[kMaterialAt + i] = static_cast<char>(pieces[i]);
  put64(out, kPositionsAt, values.size());
  put64(out, kWinsAt, counts[0]);
  put64(out, kLossesAt, counts[1]);
  put64(out, kDrawsAt, counts[2]);
  encodeRuns(outcomes.data(), outcomes.size(), out);
  const std::size_t outcomesEnd = out.size();
  encodeRuns(plies.data(), plies.size(), out);
  put64(out, kOutcomesAt, outcomesEnd - kEndgameHeaderBytes);
  put64(out, kPliesAt, out.size() - outcomesEnd);
  put64(out, kChecksumAt, checksum(values));
  return out;
}

std::optional<std::string> decodeEndgameTable(std::string_view bytes, RuleFamily family, int boardSize,
                                              const Material& m, std::uint64_t positions,
                                              std::vector<std::uint8_t>& values) {
  if (bytes.size() < kEndgameHeaderBytes) return "too short for an endgame table";
  if (bytes.substr(0, sizeof kMagic) != std::string_view(kMagic, sizeof kMagic)) return "not an endgame table";
  if (le16(bytes, kVersionAt) != kEndgameFileVersion) return "an endgame table of another version";
  if (static_cast<unsigned char>(bytes[kFamilyAt]) != static_cast<unsigned>(family) ||
      static_cast<unsigned char>(bytes[kSizeAt]) != static_cast<unsigned>(boardSize))
    return "a table of other rules or another board";
  const int pieces[4] = {m.whiteMen, m.whiteKings, m.blackMen, m.blackKings};
  for (std::size_t i = 0; i < 4; ++i)
    if (static_cast<unsigned char>(bytes[kMaterialAt + i]) != static_cast<unsigned>(pieces[i]))
      return "a table of other material";
  if (le64(bytes, kPositionsAt) != positions) return "a table of another size";
  const std::uint64_t wins = le64(bytes, kWinsAt), losses = le64(bytes, kLossesAt), draws = le64(bytes, kDrawsAt);
  if (wins > positions || losses > positions - wins || draws != positions - wins - losses)
    return "counts that do not add up";
  const std::uint64_t outcomeBytes = le64(bytes, kOutcomesAt), pliesBytes = le64(bytes, kPliesAt);
  const std::uint64_t body = bytes.size() - kEndgameHeaderBytes;
  if (outcomeBytes > body || pliesBytes != body - outcomeBytes) return "truncated or with bytes left over";

  std::vector<std::uint8_t> outcomes;
  if (!decodeRuns(bytes.substr(kEndgameHeaderBytes, outcomeBytes), (positions + 3) / 4, outcomes))
    return "damaged outcomes";
  if (!decodeRuns(bytes.substr(kEndgameHeaderBytes + outcomeBytes), positions, values)) return "damaged plies";
  std::uint64_t counted[3] = {};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int bits = outcomes[i / 4] >> (2 * (i % 4)) & 3;
    const int plies = values[i];
    const bool fits =
        bits == kDrawBits ? plies == 0 : plies <= kLongestEndgamePlies && plies % 2 == (bits == kWinBits ? 1 : 0);
    if (bits > kLossBits || !fits) return "an outcome that does not match its plies";
    ++counted[bits == kWinBits ? 0 : bits == kLossBits ? 1 : 2];
    values[i] = bits == kDrawBits ? 0 : static_cast<std::uint8_t>(plies + 1);
  }
  if (counted[0] != wins || counted[1] != losses) return "counts that do not match the table";
  if (checksum(values) != le64(bytes, kChecksumAt)) return "a checksum that does not match";
  return std::nullopt;
}

std::optional<std::string> writeEndgameTable(const std::string& folder, RuleFamily family, int boardSize,
                                             const Material& m, const std::vector<std::uint8_t>& values) {
  std::string error;
  const std::string path = folder + "/" + endgameFileName(family, boardSize, m);
  if (!replaceFile(path, encodeEndgameTable(family, boardSize, m, values), &error)) return error;
  return std::nullopt;
}

std::uint64_t endgameFileBound(std::uint64_t positions) {
  return kEndgameHeaderBytes + codedBound((positions + 3) / 4) + codedBound(positions);
}

}  // namespace velmora
