// lines_table.cpp: the ordinary line-by-line work of a program, done once
// with IString and once with the code a user writes without it (std::string,
// std::string_view and Abseil), on real text split into lines: the C
// library's headers (/usr/include/*.h), the C++ library's headers
// (/usr/include/c++/<version>) and the licence texts of
// /usr/share/common-licenses, files every Debian machine has.
//
// Every task runs over all the lines in file order, and over the lines of
// each length class (up to 15 bytes, 16-64, 65-256, longer) on their own.
// Each side folds its results into a checksum; the program stops with an
// error when the two sides disagree. Times are the thread's processor time,
// best of the rounds; within a round the two sides run one after the other,
// IString first in even rounds and the idiomatic code first in odd ones.
// Prints one JSON object:
// {"corpus": {"files", "lines", "bytes", "median_line"},
//  "groups": [{"name", "lines", "bytes"}, ...],
//  "tasks": [{"name", "idiomatic", "ns_istring": [...], "ns_idiomatic":
//  [...]}, ...]} with one time per group, the whole pass over its lines.
//
//   morvek_lines [rounds]        (default 5)

#include <time.h>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "absl/strings/ascii.h"
#include "absl/strings/str_replace.h"
#include "absl/strings/str_split.h"
#include "istring.hpp"

namespace {

namespace fs = std::filesystem;

// The regular files (not links) of `dir`, all of its tree when `recurse`,
// sorted by path.
std::vector<fs::path> filesOf(const fs::path& dir, bool recurse) {
  std::vector<fs::path> files;
  std::error_code ec;
  auto take = [&](const fs::directory_entry& e) {
    if (e.is_regular_file() && !e.is_symlink()) files.push_back(e.path());
  };
  if (recurse)
    for (const auto& e : fs::recursive_directory_iterator(dir, ec)) take(e);
  else
    for (const auto& e : fs::directory_iterator(dir, ec))
      if (e.path().extension() == ".h") take(e);
  std::sort(files.begin(), files.end());
  return files;
}

// The newest C++ library headers: the highest numbered /usr/include/c++/N.
fs::path cxxHeaders() {
  fs::path best;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator("/usr/include/c++", ec)) {
    const std::string n = e.path().filename().string();
    if (n.find_first_not_of("0123456789") == std::string::npos &&
        (best.empty() || std::stoi(n) > std::stoi(best.filename().string())))
      best = e.path();
  }
  return best;
}

// A group of lines, held as a program that reads them would hold them: each
// side's strings allocated one after the other, in file order. A group of
// few lines is run over several times per timing (`passes`).
struct Group {
  const char* name;
  std::vector<std::string_view> views;  // into the corpus
  std::vector<IString> mine;
  std::vector<std::string> theirs;
  int passes;
};

Group makeGroup(const char* name, std::vector<std::string_view> views) {
  Group g{name, std::move(views), {}, {}, 0};
  g.mine.reserve(g.views.size());
  for (std::string_view v : g.views) g.mine.emplace_back(v);
  g.theirs.reserve(g.views.size());
  for (std::string_view v : g.views) g.theirs.emplace_back(v);
  g.passes = static_cast<int>(std::max<std::size_t>(
      1, 50000 / std::max<std::size_t>(1, g.views.size())));
  return g;
}

// Folds a result into a checksum: its length and first and last bytes.
std::uint64_t fold(std::string_view s) {
  return s.size() * 131 + (s.empty()
                               ? 0
                               : static_cast<unsigned char>(s.front()) * 7u +
                                     static_cast<unsigned char>(s.back()));
}
std::uint64_t fold(const std::string& s) { return fold(std::string_view(s)); }
std::uint64_t fold(const IString& s) { return fold(s.asStringView()); }
// A std position as IString gives it: 1-based, 0 for none.
std::uint64_t at(std::size_t p) { return p == std::string::npos ? 0 : p + 1; }

const char kWordDelimiters[] = " \n\r\t\v\f";

using Run = std::uint64_t (*)(const Group&);
struct Task {
  const char* name;
  const char* idiomatic;  // what the other side does
  Run mine, theirs;
};

// The sum of `f` over the strings `v`.
template <typename Strings, typename F>
std::uint64_t sum(const Strings& v, F f) {
  std::uint64_t total = 0;
  for (const auto& s : v) total += f(s);
  return total;
}

// The tasks, each written as a user would write it on either side.
const Task kTasks[] = {
    {"construct from (pointer, length)", "std::string(p, n)",
     [](const Group& g) {
       return sum(g.views, [](std::string_view v) {
         return fold(IString(v.data(), static_cast<unsigned>(v.size())));
       });
     },
     [](const Group& g) {
       return sum(g.views, [](std::string_view v) {
         return fold(std::string(v.data(), v.size()));
       });
     }},
    {"construct from `std::string_view`", "std::string(v)",
     [](const Group& g) {
       return sum(g.views, [](std::string_view v) { return fold(IString(v)); });
     },
     [](const Group& g) {
       return sum(g.views,
                  [](std::string_view v) { return fold(std::string(v)); });
     }},
    {"`stripBlanks` copy", "std::string(absl::StripAsciiWhitespace(s))",
     [](const Group& g) {
       return sum(g.mine, [](const IString& s) {
         return fold(IString::stripBlanks(s));
       });
     },
     [](const Group& g) {
       return sum(g.theirs, [](const std::string& s) {
         return fold(std::string(absl::StripAsciiWhitespace(s)));
       });
     }},
    {"`upperCase` copy", "absl::AsciiStrToUpper(s)",
     [](const Group& g) {
       return sum(g.mine,
                  [](const IString& s) { return fold(IString::upperCase(s)); });
     },
     [](const Group& g) {
       return sum(g.theirs, [](const std::string& s) {
         return fold(absl::AsciiStrToUpper(s));
       });
     }},
    {"`indexOf(\"struct\")`", "s.find(\"struct\")",
     [](const Group& g) {
       return sum(g.mine, [](const IString& s) { return s.indexOf("struct"); });
     },
     [](const Group& g) {
       return sum(g.theirs,
                  [](const std::string& s) { return at(s.find("struct")); });
     }},
    {"`indexOf('(')`", "s.find('(')",
     [](const Group& g) {
       return sum(g.mine, [](const IString& s) { return s.indexOf('('); });
     },
     [](const Group& g) {
       return sum(g.theirs,
                  [](const std::string& s) { return at(s.find('(')); });
     }},
    {"`lastIndexOf(\"*/\")`", "s.rfind(\"*/\")",
     [](const Group& g) {
       return sum(g.mine, [](const IString& s) { return s.lastIndexOf("*/"); });
     },
     [](const Group& g) {
       return sum(g.theirs,
                  [](const std::string& s) { return at(s.rfind("*/")); });
     }},
    {"`occurrencesOf(' ')`", "std::count(s.begin(), s.end(), ' ')",
     [](const Group& g) {
       return sum(g.mine,
                  [](const IString& s) { return s.occurrencesOf(' '); });
     },
     [](const Group& g) {
       return sum(g.theirs, [](const std::string& s) {
         return static_cast<std::uint64_t>(std::count(s.begin(), s.end(), ' '));
       });
     }},
    {"`numWords()` and `word(1)`",
     "std::vector<absl::string_view> w = absl::StrSplit(s, "
     "absl::ByAnyChar(\" \\n\\r\\t\\v\\f\"), absl::SkipEmpty()); w.size(); "
     "std::string(w[0])",
     [](const Group& g) {
       return sum(g.mine, [](const IString& s) {
         return s.numWords() + fold(s.word(1));
       });
     },
     [](const Group& g) {
       return sum(g.theirs, [](const std::string& s) {
         const std::vector<absl::string_view> words = absl::StrSplit(
             s, absl::ByAnyChar(kWordDelimiters), absl::SkipEmpty());
         return words.size() +
                fold(words.empty() ? std::string() : std::string(words[0]));
       });
     }},
    {"`subString(5)`", "s.substr(std::min<std::size_t>(4, s.size()))",
     [](const Group& g) {
       return sum(g.mine,
                  [](const IString& s) { return fold(s.subString(5)); });
     },
     [](const Group& g) {
       return sum(g.theirs, [](const std::string& s) {
         return fold(s.substr(std::min<std::size_t>(4, s.size())));
       });
     }},
    {"static `change` of a tab into two blanks",
     "absl::StrReplaceAll(s, {{\"\\t\", \"  \"}})",
     [](const Group& g) {
       return sum(g.mine, [](const IString& s) {
         return fold(IString::change(s, "\t", "  "));
       });
     },
     [](const Group& g) {
       return sum(g.theirs, [](const std::string& s) {
         return fold(absl::StrReplaceAll(s, {{"\t", "  "}}));
       });
     }},
    {"`==` with the previous line", "s == previous",
     [](const Group& g) {
       std::uint64_t equal = 0;
       for (std::size_t i = 1; i < g.mine.size(); ++i)
         equal += g.mine[i] == g.mine[i - 1];
       return equal;
     },
     [](const Group& g) {
       std::uint64_t equal = 0;
       for (std::size_t i = 1; i < g.theirs.size(); ++i)
         equal += g.theirs[i] == g.theirs[i - 1];
       return equal;
     }},
    {"`unordered_set` of stripped lines",
     "std::unordered_set<std::string> set; "
     "set.emplace(absl::StripAsciiWhitespace(s))",
     [](const Group& g) {
       std::unordered_set<IString> set;
       for (const IString& s : g.mine) set.insert(IString::stripBlanks(s));
       return std::uint64_t{set.size()};
     },
     [](const Group& g) {
       std::unordered_set<std::string> set;
       for (const std::string& s : g.theirs)
         set.emplace(absl::StripAsciiWhitespace(s));
       return std::uint64_t{set.size()};
     }},
};

double cpuNanoseconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// Runs `run` over `g`; returns the time of one pass and stores its checksum.
double timed(Run run, const Group& g, std::uint64_t& checksum) {
  const double t0 = cpuNanoseconds();
  for (int k = 0; k < g.passes; ++k) checksum = run(g);
  return (cpuNanoseconds() - t0) / g.passes;
}

// `s` as a JSON string.
std::string json(const char* s) {
  std::string out = "\"";
  for (; *s; ++s) {
    if (*s == '"' || *s == '\\') out += '\\';
    out += *s;
  }
  return out + '"';
}

std::string jsonTimes(const std::vector<double>& ns) {
  std::string out = "[";
  for (double t : ns) {
    if (out.size() > 1) out += ", ";
    out += std::to_string(static_cast<long long>(t));
  }
  return out + "]";
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::vector<fs::path> files = filesOf("/usr/include", false);
  for (const fs::path& dir :
       {cxxHeaders(), fs::path("/usr/share/common-licenses")})
    for (fs::path& f : filesOf(dir, true)) files.push_back(std::move(f));
  std::string corpus;
  for (const fs::path& f : files) {
    std::ifstream in(f, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    corpus += text.str();
    if (!corpus.empty() && corpus.back() != '\n') corpus += '\n';
  }
  if (corpus.empty()) {
    std::fprintf(stderr, "morvek_lines: no text found under /usr\n");
    return 1;
  }
  // Every line, then the lines of each length class.
  std::vector<std::vector<std::string_view>> views(5);
  std::vector<std::size_t> lengths;
  for (std::size_t start = 0, end; start < corpus.size(); start = end + 1) {
    end = corpus.find('\n', start);
    const std::size_t n = end - start;
    lengths.push_back(n);
    views[0].emplace_back(corpus.data() + start, n);
    views[n <= 15    ? 1
          : n <= 64  ? 2
          : n <= 256 ? 3
                     : 4]
        .push_back(views[0].back());
  }
  std::nth_element(lengths.begin(), lengths.begin() + lengths.size() / 2,
                   lengths.end());
  std::vector<Group> groups;
  const char* const names[] = {"all lines", "up to 15 B", "16-64 B", "65-256 B",
                               "over 256 B"};
  for (int k = 0; k < 5; ++k) groups.push_back(makeGroup(names[k], views[k]));
  std::printf(
      "{\"corpus\": {\"files\": %zu, \"lines\": %zu, \"bytes\": %zu, "
      "\"median_line\": %zu},\n \"groups\": [",
      files.size(), lengths.size(), corpus.size(), lengths[lengths.size() / 2]);
  for (const Group& g : groups) {
    std::size_t bytes = 0;
    for (std::string_view v : g.views) bytes += v.size();
    std::printf("%s{\"name\": \"%s\", \"lines\": %zu, \"bytes\": %zu}",
                &g == &groups[0] ? "" : ", ", g.name, g.views.size(), bytes);
  }
  std::printf("],\n \"tasks\": [");
  bool first = true;
  for (const Task& task : kTasks) {
    std::vector<double> mine(groups.size(), 1e300),
        theirs(groups.size(), 1e300);
    for (int r = 0; r < rounds; ++r) {
      for (std::size_t k = 0; k < groups.size(); ++k) {
        std::uint64_t a = 0, b = 0;
        if (r % 2 == 0) {
          mine[k] = std::min(mine[k], timed(task.mine, groups[k], a));
          theirs[k] = std::min(theirs[k], timed(task.theirs, groups[k], b));
        } else {
          theirs[k] = std::min(theirs[k], timed(task.theirs, groups[k], b));
          mine[k] = std::min(mine[k], timed(task.mine, groups[k], a));
        }
        if (a != b) {
          std::fprintf(stderr,
                       "morvek_lines: %s on %s: IString's checksum %llu, the "
                       "idiomatic code's %llu\n",
                       task.name, groups[k].name,
                       static_cast<unsigned long long>(a),
                       static_cast<unsigned long long>(b));
          return 1;
        }
      }
    }
    std::printf(
        "%s\n  {\"name\": %s, \"idiomatic\": %s, "
        "\"ns_istring\": %s, "
        "\"ns_idiomatic\": %s}",
        first ? "" : ",", json(task.name).c_str(), json(task.idiomatic).c_str(),
        jsonTimes(mine).c_str(), jsonTimes(theirs).c_str());
    std::fflush(stdout);
    first = false;
  }
  std::printf("\n]}\n");
  return 0;
}
