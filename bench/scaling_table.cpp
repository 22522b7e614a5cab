// scaling_table.cpp: every operation of every family on dense, repetitive
// input at 1 MiB and 16 MiB, and the ratio of their times per byte. A
// linear operation keeps the ratio near 1 (a little above, once 16 MiB no
// longer fits the caches); a quadratic one multiplies it by 16.
//
// Times are the thread's processor time; freed memory is kept for reuse
// (see main). Each case is timed in rounds that
// alternate the two sizes, and the median round is kept, so that a burst of
// load on a shared machine moves both sizes alike.
//
// Dense one-character replacement (every byte of a text of 'a' a hit,
// outputs of 0, 1 and 2 bytes) is also timed at 1, 16 and 32 MiB, in the
// same allocator state and, in a child process forked before that state is
// set, with glibc's malloc at its defaults, which hands freed memory back
// to the kernel and maps large blocks afresh: there each call also pays
// for the kernel's zeroing of the pages its results take.
//
// Prints one JSON object:
// {"cases": [{"name", "family", "ns_per_byte_1m", "ns_per_byte_16m", "ratio",
// "gbps_16m"}, ...],
//  "dense": [{"name", "output", "gbps_kept": [1, 16, 32 MiB],
//  "gbps_default": [...]}, ...]}.
//
//   morvek_scaling [rounds [filter]]   (default 5 rounds; only the cases
//                                      whose name holds `filter`)

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "istring.hpp"

namespace {

constexpr std::size_t kSmall = std::size_t{1} << 20;
constexpr std::size_t kLarge = std::size_t{16} << 20;

// `unit` repeated to exactly `size` bytes.
std::string repeat(const std::string& unit, std::size_t size) {
  std::string text;
  text.reserve(size + unit.size());
  while (text.size() < size) text += unit;
  text.resize(size);
  return text;
}

// Keeps a result alive so that the call is not optimised away.
volatile unsigned sink;
void keep(unsigned x) { sink = sink + x; }
void keep(const IString& s) { keep(s.length()); }

struct Case {
  const char* family;
  const char* name;
  std::string unit;  // the input: this repeated to the size
  // Runs the operation once on `s` (a fresh copy of the input when
  // `mutates`).
  std::function<void(IString& s)> run;
  bool mutates;
};

// The middle of `s`: a start or a limit of half the text.
unsigned half(const IString& s) { return s.length() / 2; }

std::vector<Case> cases() {
  const unsigned kAll = 0xFFFFFFFFu;
  return {
      // The machine's own ratio: 16 MiB no longer fits the caches that
      // 1 MiB fits, so copies and scans slow down per byte whatever does
      // them.
      {"reference", "memcpy of the text (reference)", "a",
       [](IString& s) {
         static std::vector<char> buffer;
         buffer.resize(s.length());
         std::memcpy(buffer.data(), static_cast<const char*>(s), s.length());
         keep(static_cast<unsigned>(buffer[s.length() / 2]));
       },
       false},
      {"reference", "memcmp of two equal texts (reference)", "a",
       [](IString& s) {
         static std::vector<char> other;
         if (other.size() != s.length())
           other.assign(static_cast<const char*>(s),
                        static_cast<const char*>(s) + s.length());
         keep(std::memcmp(other.data(), static_cast<const char*>(s),
                          s.length()) == 0);
       },
       false},
      {"reference", "memchr of an absent byte (reference)", "a",
       [](IString& s) {
         keep(std::memchr(static_cast<const char*>(s), 'b', s.length()) !=
              nullptr);
       },
       false},
      {"construct", "IString(const char*) of a run of 'a'", "a",
       [](IString& s) { keep(IString(static_cast<const char*>(s))); }, false},
      {"construct", "copy of a run of 'a'", "a",
       [](IString& s) { keep(IString(s)); }, false},
      {"compare", "== on equal runs of 'a'", "a",
       [](IString& s) {
         static IString other;
         if (other.length() != s.length()) other = IString(s.asStdString());
         keep(s == other);
       },
       false},
      {"compare", "< on equal runs of 'a'", "a",
       [](IString& s) {
         static IString other;
         if (other.length() != s.length()) other = IString(s.asStdString());
         keep(s < other);
       },
       false},
      {"concat", "operator+ of two runs of 'a'", "a",
       [](IString& s) { keep(s + s); }, false},
      {"search", "indexOf(\"aab\") in a run of 'a'", "a",
       [](IString& s) { keep(s.indexOf("aab")); }, false},
      {"search", "indexOf(\"ab\") in a run of 'a', from the middle", "a",
       [](IString& s) { keep(s.indexOf("ab", half(s))); }, false},
      {"search", "lastIndexOf(\"ba\") in a run of 'a'", "a",
       [](IString& s) { keep(s.lastIndexOf("ba")); }, false},
      {"search", "indexOf(\"aaab\") in \"aab\" repeated", "aab",
       [](IString& s) { keep(s.indexOf("aaab")); }, false},
      {"search", "lastIndexOf(\"abb\") in \"ab\" repeated", "ab",
       [](IString& s) { keep(s.lastIndexOf("abb")); }, false},
      {"search", "indexOfAnyBut('a') in a run of 'a'", "a",
       [](IString& s) { keep(s.indexOfAnyBut('a')); }, false},
      {"search", "indexOfAnyBut(\" \\t\") in blanks", " \t",
       [](IString& s) { keep(s.indexOfAnyBut(" \t")); }, false},
      {"search", "occurrencesOf('a') in a run of 'a'", "a",
       [](IString& s) { keep(s.occurrencesOf('a')); }, false},
      {"substring", "subString from the middle", "a",
       [](IString& s) { keep(s.subString(half(s))); }, false},
      {"substring", "remove the first half", "a",
       [](IString& s) { keep(s.remove(1, half(s))); }, true},
      {"replace", "change(\"a\", \"b\"): every byte a hit", "a",
       [](IString& s) { keep(s.change("a", "b")); }, true},
      {"replace", "change(\"a\", \"\"): every byte a hit", "a",
       [](IString& s) { keep(s.change("a", "")); }, true},
      {"replace", "translate(\"a\", \"bc\"): every byte a hit", "a",
       [](IString& s) { keep(s.translate("a", "bc")); }, true},
      {"replace", "change(\" \", \"\") in \"w w w ...\"", "w ",
       [](IString& s) { keep(s.change(" ", "")); }, true},
      {"replace", "change(\"a\", \"b\"), limit n/2", "a",
       [](IString& s) { keep(s.change("a", "b", 1, half(s))); }, true},
      {"replace", "change(\"a\", \"b\"), start in the middle", "a",
       [](IString& s) { keep(s.change("a", "b", half(s), kAll)); }, true},
      {"replace", "change(\"ab\", \"X\") in \"abab...\"", "ab",
       [](IString& s) { keep(s.change("ab", "X")); }, true},
      {"replace", "change(\"aa\", \"b\") in a run of 'a'", "a",
       [](IString& s) { keep(s.change("aa", "b")); }, true},
      {"replace", "static change(\"a\", \"bc\")", "a",
       [](IString& s) { keep(IString::change(s, "a", "bc")); }, false},
      {"strip", "strip() of a text of blanks", " ",
       [](IString& s) { keep(s.strip()); }, true},
      {"strip", "stripBlanks of a text of blanks", " ",
       [](IString& s) { keep(IString::stripBlanks(s)); }, false},
      {"strip", "strip('a') of a run of 'a'", "a",
       [](IString& s) { keep(s.strip('a')); }, true},
      {"strip", "stripTrailing(\"ab\") of \"abab...\"", "ab",
       [](IString& s) { keep(s.stripTrailing("ab")); }, true},
      {"case", "upperCase of a run of 'a'", "a",
       [](IString& s) { keep(s.upperCase()); }, true},
      {"case", "lowerCase of a run of 'A'", "A",
       [](IString& s) { keep(s.lowerCase()); }, true},
      {"words", "numWords of one-letter words", "a ",
       [](IString& s) { keep(s.numWords()); }, false},
      {"words", "numWords of long runs of blanks", "a        ",
       [](IString& s) { keep(s.numWords()); }, false},
      {"words", "word(last) of one-letter words", "a ",
       [](IString& s) { keep(s.word(s.length() / 2)); }, false},
      {"words", "indexOfWord(last) of one-letter words", "a ",
       [](IString& s) { keep(s.indexOfWord(s.length() / 2)); }, false},
      {"words", "lengthOfWord(last) of one-letter words", "a ",
       [](IString& s) { keep(s.lengthOfWord(s.length() / 2)); }, false},
      {"words", "words(n/4, n/8) of one-letter words", "a ",
       [](IString& s) { keep(s.words(s.length() / 8, s.length() / 16)); },
       false},
      {"radix", "c2x of a run of 'a'", "a",
       [](IString& s) { keep(IString::c2x(s)); }, false},
      {"radix", "x2c of \"61\" repeated", "61",
       [](IString& s) { keep(IString::x2c(s)); }, false},
      {"radix", "c2b of a run of 'a'", "a",
       [](IString& s) { keep(IString::c2b(s)); }, false},
      {"radix", "b2c of \"01100001\" repeated", "01100001",
       [](IString& s) { keep(IString::b2c(s)); }, false},
      {"radix", "b2x of \"0101\" repeated", "0101",
       [](IString& s) { keep(IString::b2x(s)); }, false},
      {"radix", "x2b of \"a5\" repeated", "a5",
       [](IString& s) { keep(IString::x2b(s)); }, false},
      {"radix", "isHexDigits of \"a5\" repeated", "a5",
       [](IString& s) { keep(s.isHexDigits()); }, false},
  };
}

// The calling thread's processor time: on a machine shared with other jobs
// the time spent waiting for a processor is left out.
double cpuNanoseconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// Nanoseconds per byte of one timing: enough calls for about 20 ms.
double timeOnce(const Case& c, const IString& input, std::size_t calls) {
  IString work = input;
  double total = 0;
  for (std::size_t k = 0; k < calls; ++k) {
    if (c.mutates) work = input;  // the copy is not timed
    const double t0 = cpuNanoseconds();
    c.run(work);
    total += cpuNanoseconds() - t0;
  }
  return total / (static_cast<double>(calls) * input.length());
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Dense one-character replacement: each form with outputs of 0, 1 and 2
// bytes, on a text of 'a' at each of kDenseSizes.
constexpr std::size_t kDenseSizes[] = {
    std::size_t{1} << 20, std::size_t{16} << 20, std::size_t{32} << 20};
constexpr const char* kOutputs[] = {"", "b", "bc"};

const std::vector<Case>& denseCases() {
  static const std::vector<Case> all = [] {
    std::vector<Case> cases;
    for (const char* out : kOutputs) {
      const std::string text = std::string("\"a\", \"") + out + "\")";
      // The names live as long as the program.
      const auto name = [](const std::string& n) { return strdup(n.c_str()); };
      cases.push_back({"dense", name("change(" + text), "a",
                       [out](IString& s) { keep(s.change("a", out)); }, true});
      cases.push_back(
          {"dense", name("static change(s, " + text), "a",
           [out](IString& s) { keep(IString::change(s, "a", out)); }, false});
      cases.push_back({"dense", name("translate(" + text), "a",
                       [out](IString& s) { keep(s.translate("a", out)); },
                       true});
    }
    return cases;
  }();
  return all;
}

// GB/s of each dense case at each size, the median of `rounds` timings, in
// the allocator state of the calling process: case after case, size after
// size.
std::vector<double> denseThroughputs(int rounds) {
  std::vector<double> gbps;
  for (const Case& c : denseCases())
    for (std::size_t size : kDenseSizes) {
      const IString input(std::string(size, 'a'));
      const std::size_t calls = std::max<std::size_t>(1, (64 << 20) / size);
      std::vector<double> ns_per_byte;
      for (int r = 0; r < rounds; ++r)
        ns_per_byte.push_back(timeOnce(c, input, calls));
      gbps.push_back(1.0 / median(ns_per_byte));
    }
  return gbps;
}

// denseThroughputs with glibc's malloc at its defaults, in a child process
// forked before main changes them; zeros if the child fails.
std::vector<double> denseWithDefaultMalloc(int rounds) {
  const std::size_t count = denseCases().size() * std::size(kDenseSizes);
  std::vector<double> gbps(count, 0.0);
  int fd[2];
  if (pipe(fd) != 0) return gbps;
  const pid_t child = fork();
  if (child == 0) {
    close(fd[0]);
    const std::vector<double> measured = denseThroughputs(rounds);
    const ssize_t written =
        write(fd[1], measured.data(), measured.size() * sizeof(double));
    _exit(written == ssize_t(count * sizeof(double)) ? 0 : 1);
  }
  close(fd[1]);
  std::size_t got = 0;
  char* const into = reinterpret_cast<char*>(gbps.data());
  for (ssize_t n;
       got < count * sizeof(double) &&
       (n = read(fd[0], into + got, count * sizeof(double) - got)) > 0;)
    got += static_cast<std::size_t>(n);
  close(fd[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (got != count * sizeof(double) || status != 0)
    std::fill(gbps.begin(), gbps.end(), 0.0);
  return gbps;
}

std::string jsonText(const std::string& s) {
  std::string r = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') r += '\\';
    r += c;
  }
  return r + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const std::string filter = argc > 2 ? argv[2] : "";
  const std::vector<double> dense_default =
      filter.empty() ? denseWithDefaultMalloc(rounds) : std::vector<double>();
  // Freed memory stays in the process and is reused, so that the table
  // measures the operations rather than the kernel handing out (and
  // zeroing) fresh pages for every result of 16 MiB or more; on a virtual
  // machine that can cost several nanoseconds per byte.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_TOP_PAD, 64 << 20);
  std::printf("{\"cases\": [\n");
  bool first = true;
  for (const Case& c : cases()) {
    if (std::string(c.name).find(filter) == std::string::npos) continue;
    const IString small(repeat(c.unit, kSmall));
    const IString large(repeat(c.unit, kLarge));
    // Calls per timing: about 20 ms at the small size, judged by one call.
    const double probe = timeOnce(c, small, 1) * kSmall;
    const std::size_t calls =
        static_cast<std::size_t>(std::min(64.0, std::max(1.0, 2e7 / probe)));
    std::vector<double> at_small, at_large;
    for (int r = 0; r < rounds; ++r) {
      at_small.push_back(timeOnce(c, small, calls));
      at_large.push_back(
          timeOnce(c, large, std::max<std::size_t>(1, calls / 16)));
    }
    const double s = median(at_small);
    const double l = median(at_large);
    std::printf(
        "%s  {\"family\": %s, \"name\": %s, \"ns_per_byte_1m\": %.6f, "
        "\"ns_per_byte_16m\": %.6f, \"ratio\": %.4f, \"gbps_16m\": %.4f}",
        first ? "" : ",\n", jsonText(c.family).c_str(),
        jsonText(c.name).c_str(), s, l, l / s, 1.0 / l);
    std::fflush(stdout);
    first = false;
  }
  std::printf("\n],\n\"dense\": [\n");
  if (!dense_default.empty()) {
    const std::vector<double> kept = denseThroughputs(rounds);
    const std::vector<Case>& dense = denseCases();
    const std::size_t sizes = std::size(kDenseSizes);
    for (std::size_t k = 0; k < dense.size(); ++k) {
      const double* g = &kept[k * sizes];
      const double* d = &dense_default[k * sizes];
      std::printf(
          "%s  {\"name\": %s, \"output\": %zu, \"gbps_kept\": [%.4f, %.4f, "
          "%.4f], \"gbps_default\": [%.4f, %.4f, %.4f]}",
          k == 0 ? "" : ",\n", jsonText(dense[k].name).c_str(),
          std::strlen(kOutputs[k / 3]), g[0], g[1], g[2], d[0], d[1], d[2]);
    }
  }
  std::printf("\n]}\n");
  return 0;
}
