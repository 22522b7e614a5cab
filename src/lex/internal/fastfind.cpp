// fastfind.cpp: the filter's choice of bytes for SubstringFinder. The
// searches themselves are written once in vectorsearch.inc and compiled per
// width in widths.cpp; a search runs those of the width in use.

#include "fastfind.hpp"

#include "searchparts.hpp"

namespace morvek {
namespace internal {

namespace {

// Typical text and code, most frequent first; bytes not listed are rarer
// than all of these (control bytes and bytes from 0x80 on the rarest).
constexpr char kByFrequency[] =
    " etaoinsrhldcu\nmfpgwyb,.v_()k;=\"-*/TSIACEx:01'>RNOMPD2<L{}"
    "+HFBW&[]\tG!3456789jq#zU|Y%?V\\K@JX$QZ^~`\r";
// Bytes from this one on down the list count as rare on their own.
constexpr char kFirstRare = 'G';

constexpr std::size_t positionInList(char c) {
  std::size_t k = 0;
  while (kByFrequency[k] != c) ++k;
  return k;
}

struct FrequencyTable {
  unsigned char value[256];
};

constexpr FrequencyTable makeFrequencyTable() {
  FrequencyTable table{};
  for (unsigned c = 0; c < 256; ++c)
    table.value[c] = c >= 0x80 ? 2 : (c >= 0x20 && c < 0x7F ? 4 : 0);
  const std::size_t count = sizeof kByFrequency - 1;
  for (std::size_t k = 0; k < count; ++k)
    table.value[static_cast<unsigned char>(kByFrequency[k])] =
        static_cast<unsigned char>(255 - k * 2);
  return table;
}

constexpr FrequencyTable kFrequency = makeFrequencyTable();
constexpr unsigned kRareEnough = 255 - positionInList(kFirstRare) * 2;
// Pairs of bytes at least this frequent (from 'd' up the list) come often
// enough that a third byte pays for itself.
constexpr unsigned kCommon = 255 - positionInList('d') * 2;
static_assert(sizeof kByFrequency - 1 < 120, "the list fits the scale");

}  // namespace

// The filter's bytes for a search of `text_length` bytes: the rarest byte of
// the pattern by the frequency table, the second rarest at another offset,
// and a third when the second is common.
Pattern planOf(const char* pattern, std::size_t length) {
  Pattern p(pattern, length);
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(pattern);
  std::size_t rare_at = 0;
  for (std::size_t k = 1; k < length; ++k)
    if (kFrequency.value[bytes[k]] < kFrequency.value[bytes[rare_at]])
      rare_at = k;
  auto distance = [rare_at](std::size_t k) {
    return k > rare_at ? k - rare_at : rare_at - k;
  };
  // Among equals, the farthest from the rarest byte. Preferred:
  // another byte value; in a run of one byte value, the next byte (two
  // blanks in a row are rarer than two blanks with a letter between).
  auto rarer = [&](std::size_t k, std::size_t than) {
    const unsigned f = kFrequency.value[bytes[k]];
    const unsigned g = kFrequency.value[bytes[than]];
    return f < g || (f == g && distance(k) > distance(than));
  };
  std::size_t other_at =
      rare_at + 1 < length ? rare_at + 1 : (length > 1 ? rare_at - 1 : 0);
  for (std::size_t k = 0; k < length; ++k) {
    if (bytes[k] == bytes[rare_at]) continue;
    if (bytes[other_at] == bytes[rare_at] || rarer(k, other_at)) other_at = k;
  }
  std::size_t third_at = rare_at;
  for (std::size_t k = 0; k < length; ++k) {
    if (k == rare_at || k == other_at) continue;
    if (third_at == rare_at || rarer(k, third_at)) third_at = k;
  }
  p.rare_at = rare_at;
  p.other_at = other_at;
  p.third_at = third_at;
  p.single = length == 1 || kFrequency.value[bytes[rare_at]] <= kRareEnough;
  p.triple = length >= 3 && kFrequency.value[bytes[other_at]] >= kCommon;
  return p;
}

}  // namespace internal
}  // namespace morvek
