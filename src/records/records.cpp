#include "records/records.h"

namespace zerdo {
namespace {

std::string key(std::string_view prefix, int level) {
  return std::string(prefix) + ' ' + std::to_string(level);
}

}  // namespace

std::string min_time_key(int range, int level) { return key(kMinTimePrefix[range], level); }
std::string bester_key(int range, int level) { return key(kBesterPrefix[range], level); }

std::string to_latin1(std::string_view utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    // Length of the sequence and the bits of its lead byte.
    int len = 0;
    std::uint32_t cp = 0;
    if ((b & 0xE0) == 0xC0)
      len = 2, cp = b & 0x1F;
    else if ((b & 0xF0) == 0xE0)
      len = 3, cp = b & 0x0F;
    else if ((b & 0xF8) == 0xF0)
      len = 4, cp = b & 0x07;
    bool ok = len > 0 && i + static_cast<std::size_t>(len) <= utf8.size();
    for (int k = 1; ok && k < len; ++k) {
      const auto c = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      ok = (c & 0xC0) == 0x80;
      cp = (cp << 6) | (c & 0x3F);
    }
    if (!ok) {  // a stray byte: one '?' and go on with the next byte
      out += '?';
      ++i;
      continue;
    }
    out += cp <= 0xFF ? static_cast<char>(cp) : '?';
    i += static_cast<std::size_t>(len);
  }
  return out;
}

Long hexwert(std::string& name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos) {
    name.clear();
  } else {
    name.erase(name.find_last_not_of(' ') + 1);
    name.erase(0, first);
  }
  const std::string bytes = to_latin1(name);
  std::uint32_t sum = 0;
  for (std::size_t i = bytes.size(); i >= 1; --i)
    sum += static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i - 1])) *
           static_cast<std::uint32_t>(i);
  return static_cast<Long>(sum);
}

Long check_value_of(RangeStats& stats, RecordHolders& holders) {
  std::uint32_t sum = 0;
  for (int r = kRange3x3; r <= kRange4x4; ++r)
    for (int level = 1; level <= kLevels; ++level) {
      sum += static_cast<std::uint32_t>(stats[r][level]) * static_cast<std::uint32_t>(level);
      sum += static_cast<std::uint32_t>(hexwert(holders[r][level]));
    }
  return static_cast<Long>(sum);
}

bool records_tampered(std::string_view stored_version, std::string_view version_text,
                      Long stored_check, Long check_value) {
  return stored_version == version_text && stored_check >= 1 && stored_check != check_value;
}

void wipe_records(RangeStats& stats, RecordHolders& holders) {
  for (int r = kRange3x3; r <= kRange4x4; ++r)
    for (int level = 1; level <= kLevels; ++level) {
      stats[r][level] = kNoRecord;
      holders[r][level].clear();
    }
}

void keep_better_records(const RangeStats& other_stats, const RecordHolders& other_holders,
                         RangeStats& stats, RecordHolders& holders) {
  for (int r = kRange3x3; r <= kRange4x4; ++r)
    for (int level = 1; level <= kLevels; ++level)
      if (other_stats[r][level] < stats[r][level]) {
        stats[r][level] = other_stats[r][level];
        holders[r][level] = other_holders[r][level];
      }
}

RecordOutcome update_record(bool solved, bool stopped, std::int64_t elapsed_tenths,
                            const std::string& user_name, int range, int level, RangeStats& stats,
                            RecordHolders& holders) {
  if (!solved || range < kRange3x3 || range > kRange4x4 || level < 1 || level > kLevels)
    return RecordOutcome::Nothing;
  if (stopped) return RecordOutcome::StopMessage;
  if (elapsed_tenths < 0) elapsed_tenths = 0;
  if (elapsed_tenths >= stats[range][level]) return RecordOutcome::Nothing;
  stats[range][level] = static_cast<Int>(elapsed_tenths);  // below the old time, so it fits
  holders[range][level] = user_name;
  stats[range][kRowNewRecords] = clamp16(stats[range][kRowNewRecords] + 1);
  return RecordOutcome::NewRecord;
}

}  // namespace zerdo
