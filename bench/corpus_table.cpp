// corpus_table.cpp: substring search over a corpus of needles, each absent
// from its text so that the whole text is scanned, on 1 MiB of English-like
// prose, of C/C++-like code and of random bytes. IString::indexOf is timed
// beside strstr, memmem and std::string_view::find; IString::lastIndexOf
// beside std::string_view::rfind and strstr over the same bytes.
//
// Times are the thread's processor time. The implementations are timed in
// rounds, one after the other within each
// round, and the median round is kept: a burst of load on a shared machine
// then moves all of them alike. Prints one JSON object:
// {"corpora": [{"name", "needles": [{"needle", "length", "broken",
// "ns": {"IString": ..., "strstr": ..., ...},
// "ns_backward": {"IString": ..., "std::string_view::rfind": ...}}]}]}
// where "broken" counts the occurrences of the needle that the text held and
// that were overwritten to make it absent.
//
//   morvek_corpus [rounds]        (default 7)

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench_text.hpp"
#include "istring.hpp"

namespace {

constexpr std::size_t kSize = std::size_t{1} << 20;

// C/C++-like source: lines drawn from templates with identifiers drawn from
// a list, from a fixed seed.
std::string codeText(std::size_t size) {
  static const char* const kLines[] = {
      "  for (std::size_t i = 0; i < @; ++i) {\n",
      "    @ += @[i] * @;\n",
      "  }\n",
      "static int @(const char* @, size_t @);\n",
      "// Returns the number of @ in the @ table.\n",
      "  if (@->left != nullptr) return @(@->left, @);\n",
      "  std::vector<int> @;\n",
      "  @.push_back(@);\n",
      "#define @ 128\n",
      "  return @;\n}\n\n",
      "class @ {\n public:\n  explicit @(std::istream& @);\n",
      "  const auto @ = std::make_unique<@>(@, @);\n",
      "    case @: return \"@\";\n",
      "  switch (@) {\n",
      "  @ = (@ << 4) | (@ & 0xF);\n",
      "  assert(@ != @);\n",
      "  std::string @ = @.substr(@, @);\n",
      "  while (@ < @ && !@.empty()) @ = @.next();\n",
      "template <typename @>\nvoid @(@& @) {\n",
      "  // TODO: @ the @ before @.\n",
      "  printf(\"%d %s\\n\", @, @.c_str());\n",
      "  @->@ = @;\n",
  };
  static const char* const kNames[] = {
      "count",  "values", "weight", "total",  "buffer", "length", "node",
      "key",    "result", "item",   "parse",  "reader", "table",  "entry",
      "index",  "offset", "size",   "name",   "value",  "state",  "Handle",
      "Parser", "input",  "output", "first",  "last",   "mask",   "flags",
      "left",   "right",  "width",  "height", "cursor", "token",  "line"};
  std::mt19937 random(2024);
  std::string text;
  while (text.size() < size) {
    for (const char* p = kLines[random() % (sizeof kLines / sizeof *kLines)];
         *p; ++p) {
      if (*p == '@')
        text += kNames[random() % (sizeof kNames / sizeof *kNames)];
      else
        text += *p;
    }
  }
  text.resize(size);
  return text;
}

// Bytes 1 to 255 drawn evenly from a fixed seed.
std::string randomText(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string text(size, ' ');
  for (char& c : text) c = static_cast<char>(1 + random() % 255);
  return text;
}

struct Corpus {
  const char* name;
  std::string text;
  std::vector<std::string> needles;
};

std::vector<Corpus> corpora() {
  std::vector<Corpus> all;
  all.push_back(
      {"prose",
       morvek_bench::englishText(kSize),
       {"   ", "eee", "e,e", "qu", "zz", "Xylophone", "#include",
        "ambidextrous", "which would have been the", "of the state of the",
        "ss.", "ing,", "man!", "tion;", "th,", "ee", "said the old man that",
        "government of the people, by the people, for the people"}});
  all.push_back(
      {"code",
       codeText(kSize),
       {"#include", "     ", "eee", "e,e", "qu", "zz", "Xylophone",
        "std::unordered_map<", "return nullptr;", ");\n}\n\n\n", "->next",
        "&&&", "for (;;)", "if (x == y) {", "static_cast<long>(n)", ";;",
        "total += values[j]", "ambidextrous"}});
  std::vector<std::string> random_needles;
  for (std::size_t length : {2, 2, 3, 3, 4, 5, 6, 8, 8, 12, 16, 24, 32, 64}) {
    random_needles.push_back(randomText(
        length,
        static_cast<unsigned>(100 + length * 7 + random_needles.size())));
  }
  random_needles.push_back("AAAA");
  random_needles.push_back("   ");
  all.push_back({"random", randomText(kSize, 7), random_needles});
  return all;
}

// Overwrites every occurrence of `needle` in `text` so that none is left,
// and returns how many there were.
std::size_t makeAbsent(std::string& text, const std::string& needle) {
  std::size_t broken = 0;
  for (std::size_t at = text.find(needle); at != std::string::npos;
       at = text.find(needle, at)) {
    text[at] = needle[0] == '~' ? '^' : '~';
    ++broken;
  }
  return broken;
}

// The calling thread's processor time: on a machine shared with other jobs
// the time spent waiting for a processor is left out.
double cpuNanoseconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}
volatile std::size_t sink;

// Nanoseconds per call, over `calls` calls.
double timeCalls(const std::function<std::size_t()>& call, std::size_t calls) {
  const double t0 = cpuNanoseconds();
  for (std::size_t k = 0; k < calls; ++k) sink = sink + call();
  return (cpuNanoseconds() - t0) / static_cast<double>(calls);
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

std::string jsonText(const std::string& s) {
  std::string r = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      r += '\\';
      r += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      char b[8];
      std::snprintf(b, sizeof b, "\\u%04x", c);
      r += b;
    } else {
      r += static_cast<char>(c);
    }
  }
  return r + "\"";
}

struct Impl {
  const char* name;
  bool backward;
  std::function<std::size_t()> call;
};

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  std::printf("{\"corpora\": [\n");
  bool first_corpus = true;
  for (Corpus& corpus : corpora()) {
    std::printf("%s {\"name\": %s, \"needles\": [\n", first_corpus ? "" : ",",
                jsonText(corpus.name).c_str());
    first_corpus = false;
    bool first_needle = true;
    for (const std::string& needle : corpus.needles) {
      std::string text = corpus.text;
      const std::size_t broken = makeAbsent(text, needle);
      const IString s(text);
      const std::string_view view(text);
      const char* n = needle.c_str();
      const std::size_t length = needle.size();
      const std::vector<Impl> impls = {
          {"IString", false, [&] { return std::size_t{s.indexOf(n)}; }},
          {"strstr", false,
           [&] {
             return static_cast<std::size_t>(std::strstr(text.c_str(), n) !=
                                             nullptr);
           }},
          {"memmem", false,
           [&] {
             return static_cast<std::size_t>(
                 memmem(text.data(), text.size(), n, length) != nullptr);
           }},
          {"std::string_view::find", false,
           [&] { return view.find(std::string_view(n, length)); }},
          {"IString", true, [&] { return std::size_t{s.lastIndexOf(n)}; }},
          {"std::string_view::rfind", true,
           [&] { return view.rfind(std::string_view(n, length)); }},
      };
      // Calls per timing: about 2 ms, judged by one call of each.
      std::vector<std::size_t> calls;
      for (const Impl& impl : impls) {
        const double once = timeCalls(impl.call, 1);
        calls.push_back(static_cast<std::size_t>(
            std::min(200.0, std::max(1.0, 2e6 / once))));
      }
      std::vector<std::vector<double>> times(impls.size());
      for (int r = 0; r < rounds; ++r)
        for (std::size_t k = 0; k < impls.size(); ++k)
          times[k].push_back(timeCalls(impls[k].call, calls[k]));
      std::string forward, backward;
      for (std::size_t k = 0; k < impls.size(); ++k) {
        std::string& out = impls[k].backward ? backward : forward;
        char figure[64];
        std::snprintf(figure, sizeof figure, "%.1f", median(times[k]));
        out +=
            (out.empty() ? "" : ", ") + jsonText(impls[k].name) + ": " + figure;
        // strstr over the same bytes is a backward peer too.
        if (std::strcmp(impls[k].name, "strstr") == 0)
          backward += (backward.empty() ? "" : ", ") + jsonText("strstr") +
                      ": " + figure;
      }
      std::printf(
          "%s  {\"needle\": %s, \"length\": %zu, \"broken\": %zu, "
          "\"ns\": {%s}, \"ns_backward\": {%s}}",
          first_needle ? "" : ",\n", jsonText(needle).c_str(), length, broken,
          forward.c_str(), backward.c_str());
      std::fflush(stdout);
      first_needle = false;
    }
    std::printf("\n ]}");
  }
  std::printf("\n]}\n");
  return 0;
}
