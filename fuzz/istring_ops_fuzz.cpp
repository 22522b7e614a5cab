// istring_ops_fuzz.cpp: reads the input as a program of IString operations
// on four string slots, runs every step on IString and on the plain model of
// tests/model, and aborts at the first difference in a result, a thrown
// size failure, or any slot's null-ness, length, bytes or terminator.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>

#include "istring.hpp"
#include "landed.hpp"
#include "model_check.hpp"

namespace {

using model::number;
using model::same;
using model::show;
using model::Str;

// Sizes a step may build; larger steps are skipped so that one input stays
// fast. Results that do not fit in 32 bits are still compared (they throw).
constexpr model::u64 kStepLimit = 4096;
constexpr std::size_t kMaxInput = 4096;

class Reader {
 public:
  Reader(const std::uint8_t* p, std::size_t n) : p_(p), end_(p + n) {}
  bool more() const { return p_ < end_; }
  std::uint8_t byte() { return p_ < end_ ? *p_++ : 0; }
  unsigned u32() {
    unsigned v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | byte();
    return v;
  }
  std::string take(std::size_t n) {
    n = std::min<std::size_t>(n, end_ - p_);
    std::string r(reinterpret_cast<const char*>(p_), n);
    p_ += n;
    return r;
  }
  // A position or count: small values, the ends of a text of length `len`,
  // and values at the top of the unsigned range.
  unsigned pos(unsigned len) {
    switch (std::uint8_t b = byte()) {
      case 0xF8:
        return len;
      case 0xF9:
        return len + 1;
      case 0xFA:
        return len - 1;
      case 0xFB:
        return 0xFFFFFFFFu;
      case 0xFC:
        return 0xFFFFFFFEu;
      case 0xFD:
        return 0x80000000u;
      case 0xFE:
        return 0x7FFFFFFFu;
      case 0xFF:
        return u32();
      default:
        return b;
    }
  }

 private:
  const std::uint8_t* p_;
  const std::uint8_t* end_;
};

const char* pointerOf(const IString& s) { return s; }
const char* pointerOf(const Str& s) { return s.cstr(); }

// A const char* argument: a null pointer, a heap copy of some program bytes
// (a NUL among them ends the text early), or, where `self` allows it, the
// buffer of one of the slots.
struct Text {
  std::unique_ptr<char[]> bytes;
  int slot = -1;
  Text(Reader& in, bool self) {
    std::uint8_t b = in.byte();
    if (b == 0xFF) return;
    if (self && b >= 0xF0) {
      slot = b & 3;
      return;
    }
    std::string t = in.take(b % 24);
    bytes.reset(new char[t.size() + 1]);
    std::memcpy(bytes.get(), t.c_str(), t.size() + 1);
  }
  template <class W>
  const char* get(W& w) const {
    return slot >= 0 ? pointerOf(w[slot]) : bytes.get();
  }
};

[[noreturn]] void fail(int op, const std::string& what, const std::string& want,
                       const std::string& got) {
  std::fprintf(stderr, "op %d: %s differs\n  model: %s\n  IString: %s\n", op,
               what.c_str(), want.c_str(), got.c_str());
  std::abort();
}

struct Worlds {
  IString is[4];
  Str ms[4];
  Worlds() {
    const char* init[4] = {"", nullptr, " ab\tc ab ", "0110"};
    for (int i = 0; i < 4; ++i) is[i] = IString(init[i]), ms[i] = Str(init[i]);
  }

  // Runs `f` on the model, then on IString, and compares.
  template <class F>
  void step(int op, F f) {
    std::string want, got;
    try {
      want = f(ms);
    } catch (const model::TooBig&) {
      return;
    } catch (const std::bad_alloc&) {
      want = "throws";
    }
    try {
      got = f(is);
    } catch (const std::bad_alloc&) {
      got = "throws";
    }
    if (want != got) fail(op, "result", want, got);
    for (int i = 0; i < 4; ++i)
      if (!same(ms[i], is[i]))
        fail(op, "slot " + std::to_string(i), show(ms[i]), show(is[i]));
  }

  void run(Reader& in) {
    const int op = in.byte() % 32;
    const std::uint8_t v = in.byte();
    const int a = v & 3, b = (v >> 2) & 3, c = (v >> 4) & 3;
    const int kind = v >> 6;
    const unsigned la = ms[a].length();
    switch (op) {
      case 0: {  // bytes, NULs included, appended one character at a time
        std::string bytes = in.take(in.byte() % 48);
        return step(op, [&](auto& w) {
          using T = std::decay_t<decltype(w[0])>;
          T r("");
          for (char ch : bytes) r += T(ch);
          w[a] = r;
          return std::string();
        });
      }
      case 1: {
        Text t(in, false);
        return step(op, [&](auto& w) {
          using T = std::decay_t<decltype(w[0])>;
          w[a] = T(t.get(w));
          return std::string();
        });
      }
      case 2:
        return step(op, [&](auto& w) {
          if (kind == 0) w[a] = w[b];
          if (kind == 1) w[a] = w[b].asString();
          if (kind >= 2) w[a] = std::decay_t<decltype(w[0])>(w[b]);
          return std::string();
        });
      case 3: {
        Text t(in, false);
        unsigned n = in.pos(16);
        char pad = char(in.byte());
        return step(op, [&](auto& w) {
          using T = std::decay_t<decltype(w[0])>;
          w[a] = T(static_cast<const void*>(t.get(w)), n, pad);
          return std::string();
        });
      }
      case 4: {
        unsigned n = in.u32();
        return step(op, [&](auto& w) {
          using T = std::decay_t<decltype(w[0])>;
          T r = kind == 0   ? number<T>(int(n))
                : kind == 1 ? number<T>(n)
                : kind == 2 ? number<T>(long(int(n)) * 65537L)
                            : number<T>(n * 4294967311UL);
          w[a] = (b == 0) ? T(char(n)) : (b == 1) ? number<T>(short(n)) : r;
          return std::string();
        });
      }
      case 5:
        return step(op, [&](auto& w) {
          w[a] += w[b];
          return std::string();
        });
      case 6: {
        Text t(in, true);
        return step(op, [&](auto& w) {
          w[a] += t.get(w);
          return std::string();
        });
      }
      case 7: {
        Text t(in, false);
        return step(op, [&](auto& w) {
          const char* p = t.get(w);
          w[c] = kind == 0 ? w[a] + w[b] : kind == 1 ? w[a] + p : p + w[b];
          return std::string();
        });
      }
      case 8: {
        Text t(in, false);
        return step(op, [&](auto& w) {
          const char* p = t.get(w);
          const auto &x = w[a], &y = w[b];
          int r[18] = {x == y, x != y, x<y, x <= y, x> y, x >= y,
                       x == p, x != p, x<p, x <= p, x> p, x >= p,
                       p == y, p != y, p<y, p <= y, p> y, p >= y};
          std::string s;
          for (int bit : r) s += char('0' + bit);
#if MORVEK_LANDED_ECO
          // Strings that compare equal hash equal.
          using T = std::decay_t<decltype(w[0])>;
          if constexpr (std::is_same<T, IString>::value)
            if (x == y && std::hash<T>()(x) != std::hash<T>()(y)) s += "hash";
#endif
          return s;
        });
      }
      case 9:
        return step(op, [&](auto& w) {
          return show(w[a].asInt()) + " " + show(w[a].asUnsigned()) + " " +
                 show(w[a].asDouble());
        });
      case 10:
        return step(op, [&](auto& w) {
          std::ostringstream o;
          o << w[a];
          return o.str() + (o.good() ? " good" : " bad");
        });
      case 11: {
        std::string line = in.take(in.byte() % 32);
        for (int i = in.byte() % 64; i > 0; --i) line += line.substr(0, 40);
        char delim = char(in.byte());
        return step(op, [&](auto& w) {
          using T = std::decay_t<decltype(w[0])>;
          std::istringstream stream(line);
          w[a] = T::lineFrom(stream, delim);
          w[b] = T::lineFrom(stream);
          return std::string();
        });
      }
      case 12:
        return step(op, [&](auto& w) {
          return show(w[a].isBinaryDigits() + 0) + show(w[a].isDigits() + 0) +
                 show(w[a].isHexDigits() + 0);
        });
      case 19: {
        unsigned i = in.pos(la);
        char ch = char(in.byte());
        return step(op, [&](auto& w) {
          char& r = w[a][i];
          std::string old(1, r);
          if (kind & 1) r = ch;
          return old;
        });
      }
      case 20: {
        unsigned i = in.pos(la);
        return step(op, [&](auto& w) {
          const auto& x = w[a];
          return std::string(1, x[i]);
        });
      }
#if MORVEK_LANDED_SEARCH
      case 13:
      case 14:
      case 15:
      case 16: {
        Text t(in, false);
        char ch = char(in.byte());
        unsigned p = in.pos(la);
        return step(op, [&](auto& w) {
          const auto& x = w[a];
          const char* s = t.get(w);
          switch (op) {
            case 13:
              return show(x.indexOf(ch, p)) + show(x.indexOf(s, p));
            case 14:
              return show(x.lastIndexOf(ch, p)) + show(x.lastIndexOf(s, p));
            case 15:
              return show(x.indexOfAnyBut(ch, p)) + show(x.indexOfAnyBut(s, p));
            default:
              return show(x.occurrencesOf(ch, p)) + show(x.indexOf(s)) +
                     show(x.lastIndexOf(s)) + show(x.indexOfAnyBut(s));
          }
        });
      }
#endif
#if MORVEK_LANDED_SUBSTRINGS
      case 17: {
        unsigned p = in.pos(la), n = in.pos(la);
        char pad = char(in.byte());
        return step(op, [&](auto& w) {
          switch (kind) {
            case 0:
              w[b] = w[a].subString(p);
              break;
            case 1:
              w[b] = w[a].subString(p, n, pad);
              break;
            case 2:
              w[a].remove(p);
              break;
            default:
              w[a].remove(p, n);
          }
          return std::string();
        });
      }
      case 18: {
        unsigned p = in.pos(la);
        char pad = char(in.byte());
        return step(op, [&](auto& w) {
          using T = std::decay_t<decltype(w[0])>;
          switch (kind) {
            case 0:
              w[a].leftJustify(p, pad);
              break;
            case 1:
              w[a].rightJustify(p, pad);
              break;
            case 2:
              w[a].overlayWith(w[b], p, pad);
              break;
            default:
              w[c] = T::insert(w[a], w[b], p, pad);
          }
          return std::string();
        });
      }
#endif
#if MORVEK_LANDED_STRIPPING
      case 21: {
        Text t(in, false);
        const int form = in.byte() % 14;
        char ch = char(in.byte());
        return step(op, [&](auto& w) {
          using T = std::decay_t<decltype(w[0])>;
          const char* s = t.get(w);
          auto& x = w[a];
          switch (form) {
            case 0:
              x.strip();
              break;
            case 1:
              x.strip(ch);
              break;
            case 2:
              x.strip(s);
              break;
            case 3:
              x.stripLeading();
              break;
            case 4:
              x.stripLeading(s);
              break;
            case 5:
              x.stripTrailing();
              break;
            case 6:
              x.stripTrailing(s);
              break;
            case 7:
              w[b] = T::stripBlanks(x);
              break;
            case 8:
              w[b] = T::stripLeadingBlanks(x);
              break;
            case 9:
              w[b] = T::stripTrailingBlanks(x);
              break;
            case 10:
              x.upperCase();
              break;
            case 11:
              x.lowerCase();
              break;
            case 12:
              w[b] = T::upperCase(x);
              break;
            default:
              w[b] = T::lowerCase(x);
          }
          return std::string();
        });
      }
#endif
#if MORVEK_LANDED_REPLACEMENT
      case 22:
      case 23: {
        Text s(in, true), t(in, true);
        unsigned p = in.pos(la), n = in.pos(la);
        const int form = in.byte() % 5;
        char pad = char(in.byte());
        return step(op, [&](auto& w) {
          using T = std::decay_t<decltype(w[0])>;
          const char *ps = s.get(w), *pt = t.get(w);
          auto& x = w[a];
          if (op == 22) switch (form) {
              case 0:
                x.change(w[b], w[c], p, n);
                break;
              case 1:
                x.change(w[b], pt, p, n);
                break;
              case 2:
                x.change(ps, w[c], p, n);
                break;
              case 3:
                x.change(ps, pt, p, n);
                break;
              default:
                w[a] = T::change(w[b], w[c], x, p, n);
            }
          else
            switch (form) {
              case 0:
                x.translate(w[b], w[c], pad);
                break;
              case 1:
                x.translate(w[b], pt, pad);
                break;
              case 2:
                x.translate(ps, w[c], pad);
                break;
              default:
                x.translate(ps, pt, pad);
            }
          return std::string();
        });
      }
#endif
#if MORVEK_LANDED_WORDS
      case 24: {
        unsigned p = in.pos(8), n = in.pos(8);
        return step(op, [&](auto& w) {
          const auto& x = w[a];
          return show(x.word(p)) + show(x.words(p)) + show(x.words(p, n)) +
                 show(x.indexOfWord(p)) + " " + show(x.lengthOfWord(n)) + " " +
                 show(x.numWords());
        });
      }
#endif
#if MORVEK_LANDED_RADIX
      case 25:
      case 26:
      case 27: {
        const int form = (op - 25) * 4 + (kind);  // 0..11
        const bool copy = in.byte() & 1;
        return step(op, [&](auto& w) {
          using T = std::decay_t<decltype(w[0])>;
          auto& x = w[a];
          auto& r = w[b];
#define MORVEK_FUZZ_RADIX(i, name)                \
  case i:                                         \
    copy ? void(r = T::name(x)) : void(x.name()); \
    break;
          switch (form) {
            MORVEK_FUZZ_RADIX(0, b2c)
            MORVEK_FUZZ_RADIX(1, b2d)
            MORVEK_FUZZ_RADIX(2, b2x) MORVEK_FUZZ_RADIX(3, c2b)
                MORVEK_FUZZ_RADIX(4, c2d) MORVEK_FUZZ_RADIX(5, c2x)
                    MORVEK_FUZZ_RADIX(6, d2b) MORVEK_FUZZ_RADIX(7, d2c)
                        MORVEK_FUZZ_RADIX(8, d2x) MORVEK_FUZZ_RADIX(9, x2b)
                            MORVEK_FUZZ_RADIX(10, x2c)
                                MORVEK_FUZZ_RADIX(11, x2d)
          }
#undef MORVEK_FUZZ_RADIX
          return std::string();
        });
      }
#endif
#if MORVEK_LANDED_ECO
      case 28: {
        std::string bytes = in.take(in.byte() % 32);
        return step(op, [&](auto& w) {
          using T = std::decay_t<decltype(w[0])>;
          switch (kind) {
            case 0:
              w[a] = T(bytes);
              break;
            case 1:
              w[a] = T(std::string_view(bytes));
              break;
            case 2:
              w[a] = std::move(w[b]);
              break;
            default: {
              T moved(std::move(w[b]));
              w[a] = moved;
            }
          }
          const auto& x = w[c];
          return x.asStdString() + "|" + std::string(x.asStringView()) + "|" +
                 std::string(x.begin(), x.end()) +
                 (x.asStringView().data() == nullptr ? "null" : "");
        });
      }
#endif
      default:
        return;
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size > kMaxInput) return 0;
  Str::limit = kStepLimit;
  Worlds worlds;
  Reader in(data, size);
  while (in.more()) worlds.run(in);
  return 0;
}
