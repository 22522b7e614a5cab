// bench_text.cpp: the generated inputs and the memcpy bandwidth reference.

#include "bench_text.hpp"

#include <cstring>
#include <map>
#include <random>
#include <vector>

namespace morvek_bench {

void textSizes(benchmark::internal::Benchmark* b) {
  b->Arg(64)->Arg(4 << 10)->Arg(1 << 20);
}

namespace {

// Weighted vocabulary: the weight is the number of tickets in a draw of 1024.
struct Word {
  const char* text;
  int weight;
};
const Word kVocabulary[] = {
    {"the", 64},        {"of", 36},         {"and", 32},     {"to", 30},
    {"a", 26},          {"in", 24},         {"is", 16},      {"that", 14},
    {"it", 14},         {"for", 12},        {"was", 12},     {"on", 11},
    {"with", 10},       {"as", 10},         {"he", 10},      {"be", 9},
    {"by", 9},          {"at", 9},          {"this", 8},     {"from", 8},
    {"have", 8},        {"or", 8},          {"not", 7},      {"are", 7},
    {"but", 7},         {"they", 6},        {"which", 6},    {"one", 6},
    {"you", 6},         {"were", 6},        {"her", 5},      {"all", 5},
    {"she", 5},         {"there", 5},       {"would", 5},    {"their", 5},
    {"we", 5},          {"him", 4},         {"been", 4},     {"has", 4},
    {"when", 4},        {"who", 4},         {"will", 4},     {"more", 4},
    {"no", 4},          {"if", 4},          {"out", 4},      {"so", 4},
    {"said", 4},        {"what", 4},        {"up", 4},       {"its", 4},
    {"about", 3},       {"into", 3},        {"than", 3},     {"them", 3},
    {"can", 3},         {"only", 3},        {"other", 3},    {"new", 3},
    {"some", 3},        {"could", 3},       {"time", 3},     {"these", 3},
    {"two", 3},         {"may", 3},         {"then", 3},     {"do", 3},
    {"first", 3},       {"any", 3},         {"my", 3},       {"now", 3},
    {"such", 3},        {"like", 3},        {"our", 3},      {"over", 3},
    {"man", 3},         {"me", 3},          {"even", 2},     {"most", 2},
    {"made", 2},        {"after", 2},       {"also", 2},     {"did", 2},
    {"many", 2},        {"before", 2},      {"must", 2},     {"through", 2},
    {"years", 2},       {"where", 2},       {"much", 2},     {"your", 2},
    {"way", 2},         {"well", 2},        {"down", 2},     {"should", 2},
    {"because", 2},     {"each", 2},        {"just", 2},     {"those", 2},
    {"people", 2},      {"how", 2},         {"little", 2},   {"state", 2},
    {"good", 2},        {"very", 2},        {"make", 2},     {"world", 2},
    {"still", 2},       {"own", 2},         {"see", 2},      {"men", 2},
    {"work", 2},        {"long", 2},        {"get", 2},      {"here", 2},
    {"between", 2},     {"both", 2},        {"life", 2},     {"being", 2},
    {"under", 2},       {"never", 2},       {"day", 2},      {"same", 2},
    {"another", 2},     {"know", 2},        {"while", 2},    {"last", 2},
    {"might", 2},       {"great", 2},       {"old", 2},      {"year", 2},
    {"off", 2},         {"come", 2},        {"since", 2},    {"against", 2},
    {"go", 2},          {"came", 2},        {"right", 2},    {"used", 2},
    {"take", 2},        {"three", 2},       {"house", 1},    {"small", 1},
    {"number", 1},      {"public", 1},      {"country", 1},  {"water", 1},
    {"system", 1},      {"program", 1},     {"question", 1}, {"national", 1},
    {"government", 1},  {"information", 1}, {"problem", 1},  {"business", 1},
    {"development", 1}, {"service", 1},     {"children", 1}, {"general", 1},
    {"possible", 1},    {"political", 1},   {"economic", 1}, {"education", 1},
    {"important", 1},   {"experience", 1},  {"church", 1},   {"market", 1},
    {"community", 1},   {"interest", 1},    {"family", 1},   {"history", 1},
};

std::string generate(std::size_t size) {
  std::vector<const char*> tickets;
  for (const Word& w : kVocabulary)
    for (int i = 0; i < w.weight; ++i) tickets.push_back(w.text);
  std::mt19937 rng(20240607u);
  std::string text;
  text.reserve(size + 16);
  bool capital = true;
  while (text.size() < size) {
    std::string word = tickets[rng() % tickets.size()];
    if (capital) word[0] = static_cast<char>(word[0] - 'a' + 'A');
    capital = false;
    text += word;
    const unsigned r = rng() % 100;
    if (r < 6) {
      text += '.';
      capital = true;
    } else if (r < 12) {
      text += ',';
    }
    text += (r == 0) ? '\n' : ' ';
  }
  text.resize(size);
  return text;
}

}  // namespace

const std::string& englishText(std::size_t size) {
  static std::map<std::size_t, std::string> cache;
  auto it = cache.find(size);
  if (it == cache.end()) it = cache.emplace(size, generate(size)).first;
  return it->second;
}

const char* rareNeedle() { return "qjx zvk"; }

std::string textWithNeedleNearEnd(std::size_t size, const std::string& needle) {
  std::string text = englishText(size);
  const std::size_t at = size - needle.size() - 8;
  text.replace(at, needle.size(), needle);
  return text;
}

std::string textWithNeedleNearStart(std::size_t size,
                                    const std::string& needle) {
  std::string text = englishText(size);
  text.replace(8, needle.size(), needle);
  return text;
}

std::string repeated(char c, std::size_t size) { return std::string(size, c); }

std::string periodicAb(std::size_t size) {
  std::string text(size, 'a');
  for (std::size_t i = 1; i < size; i += 2) text[i] = 'b';
  return text;
}

namespace {

// The bandwidth reference: copying the same number of bytes.
void BM_Memcpy(benchmark::State& state) {
  const std::size_t size = static_cast<std::size_t>(state.range(0));
  const std::string& text = englishText(size);
  std::vector<char> out(size);
  for (auto _ : state) {
    std::memcpy(out.data(), text.data(), size);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  countBytes(state, size);
}
MORVEK_BENCH(BM_Memcpy, "Memcpy", "memcpy");

}  // namespace

}  // namespace morvek_bench
