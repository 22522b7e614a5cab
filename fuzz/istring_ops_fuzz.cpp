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
#include <utility>

#include "istring.hpp"
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

// The string type of a slot array, IString or the model.
#define SLOT_T std::decay_t<decltype(w[0])>

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
    const int op = in.byte() % 28, v = in.byte(), form = in.byte();
    const int a = v & 3, b = (v >> 2) & 3, c = (v >> 4) & 3, kind = v >> 6;
    const char ch = char(in.byte()), pad = char(in.byte());
    const unsigned p = in.pos(ms[a].length()), n = in.pos(ms[a].length());
    const Text s(in, true), t(in, false);  // s may point into a slot
    // Steps return a text to compare; mutations return nothing.
    auto go = [&](auto f) {
      step(op, [&](auto& w) {
        if constexpr (std::is_void<decltype(f(w))>::value) {
          f(w);
          return std::string();
        } else {
          return f(w);
        }
      });
    };
    switch (op) {
      case 0: {  // bytes, NULs included, appended one character at a time
        std::string bytes = in.take(in.byte() % 48);
        return go([&](auto& w) {
          SLOT_T r("");
          for (char byte : bytes) r += SLOT_T(byte);
          w[a] = r;
        });
      }
      case 1:
        return go([&](auto& w) { w[a] = SLOT_T(s.get(w)); });
      case 2:
        return go([&](auto& w) {
          if (kind == 0) w[a] = w[b];
          if (kind == 1) w[a] = w[b].asString();
          if (kind >= 2) w[a] = SLOT_T(w[b]);
        });
      case 3:
        return go([&](auto& w) { w[a] = SLOT_T(t.get(w), n, pad); });
      case 4:
        return go([&](auto& w) {
          using T = SLOT_T;
          if (kind == 0) w[a] = form & 1 ? number<T>(int(n)) : number<T>(n);
          if (kind == 1) w[a] = number<T>(long(int(n)) * 65537L);
          if (kind == 2) w[a] = number<T>(n * 4294967311UL);
          if (kind == 3) w[a] = form & 1 ? T(char(n)) : number<T>(short(n));
        });
      case 5:
        return go([&](auto& w) { w[a] += w[b]; });
      case 6:
        return go([&](auto& w) { w[a] += s.get(w); });
      case 7:
        return go([&](auto& w) {
          const char* q = t.get(w);
          w[c] = kind == 0 ? w[a] + w[b] : kind == 1 ? w[a] + q : q + w[b];
        });
      case 8:
        return go([&](auto& w) {
          const char* q = t.get(w);
          const auto &x = w[a], &y = w[b];
          const int r[18] = {x == y, x != y, x<y, x <= y, x> y, x >= y,
                             x == q, x != q, x<q, x <= q, x> q, x >= q,
                             q == y, q != y, q<y, q <= y, q> y, q >= y};
          std::string bits;
          for (int bit : r) bits += char('0' + bit);
#if MORVEK_STD_INTEROP
          if constexpr (std::is_same<SLOT_T,
                                     IString>::value)  // equal: same hash
            if (x == y && std::hash<IString>()(x) != std::hash<IString>()(y))
              bits += " hash differs";
#endif
          return bits;
        });
      case 9:
        return go([&](auto& w) {
          return show(w[a].asInt()) + " " + show(w[a].asUnsigned()) + " " +
                 show(w[a].asDouble());
        });
      case 10:
        return go([&](auto& w) {
          std::ostringstream o;
          o << w[a];
          return o.str() + (o.good() ? " good" : " bad");
        });
      case 11: {
        std::string line = in.take(in.byte() % 32);
        for (int i = in.byte() % 64; i > 0; --i) line += line.substr(0, 40);
        return go([&](auto& w) {
          std::istringstream stream(line);
          w[a] = SLOT_T::lineFrom(stream, ch);
          w[b] = SLOT_T::lineFrom(stream);
        });
      }
      case 12:
        return go([&](auto& w) {
          const auto& x = w[a];
          return show(x.isBinaryDigits() + x.isDigits() * 2 +
                      x.isHexDigits() * 4);
        });
      case 13:
        return go([&](auto& w) {
          char& r = w[a][p];
          std::string old(1, r);
          if (kind & 1) r = ch;
          return old;
        });
      case 14:
        return go(
            [&](auto& w) { return std::string(1, std::as_const(w[a])[p]); });
      case 15:
        return go([&](auto& w) {
          const auto& x = w[a];
          const char* q = t.get(w);
          return show(x.indexOf(ch, p)) + " " + show(x.indexOf(q, p)) + " " +
                 show(x.lastIndexOf(ch, p)) + " " + show(x.lastIndexOf(q, p)) +
                 " " + show(x.indexOfAnyBut(ch, p)) + " " +
                 show(x.indexOfAnyBut(q, p)) + " " +
                 show(x.occurrencesOf(ch, p)) + " " + show(x.indexOf(q)) + " " +
                 show(x.lastIndexOf(q)) + " " + show(x.indexOfAnyBut(q));
        });
      case 16:
        return go([&](auto& w) {
          if (kind == 0) w[b] = w[a].subString(p);
          if (kind == 1) w[b] = w[a].subString(p, n, pad);
          if (kind == 2) w[a].remove(p);
          if (kind == 3) w[a].remove(p, n);
        });
      case 17:
        return go([&](auto& w) {
          if (kind == 0) w[a].leftJustify(p, pad);
          if (kind == 1) w[a].rightJustify(p, pad);
          if (kind == 2) w[a].overlayWith(w[b], p, pad);
          if (kind == 3) w[c] = SLOT_T::insert(w[a], w[b], p, pad);
        });
      case 18:
        return go([&](auto& w) {
          using T = SLOT_T;
          const char* q = t.get(w);
          auto& x = w[a];
          const int f = form % 14;
          if (f == 0) x.strip();
          if (f == 1) x.strip(ch);
          if (f == 2) x.strip(q);
          if (f == 3) x.stripLeading();
          if (f == 4) x.stripLeading(q);
          if (f == 5) x.stripTrailing();
          if (f == 6) x.stripTrailing(q);
          if (f == 7) w[b] = T::stripBlanks(x);
          if (f == 8) w[b] = T::stripLeadingBlanks(x);
          if (f == 9) w[b] = T::stripTrailingBlanks(x);
          if (f == 10) x.upperCase();
          if (f == 11) x.lowerCase();
          if (f == 12) w[b] = T::upperCase(x);
          if (f == 13) w[b] = T::lowerCase(x);
        });
      case 19:
        return go([&](auto& w) {
          const char *in_chars = s.get(w), *out_chars = t.get(w);
          auto& x = w[a];
          const int f = form % 9;
          if (f == 0) x.change(w[b], w[c], p, n);
          if (f == 1) x.change(w[b], out_chars, p, n);
          if (f == 2) x.change(in_chars, w[c], p, n);
          if (f == 3) x.change(in_chars, out_chars, p, n);
          if (f == 4) x = SLOT_T::change(w[b], w[c], x, p, n);
          if (f == 5) x.translate(w[b], w[c], pad);
          if (f == 6) x.translate(w[b], out_chars, pad);
          if (f == 7) x.translate(in_chars, w[c], pad);
          if (f == 8) x.translate(in_chars, out_chars, pad);
        });
      case 20:
        return go([&](auto& w) {
          const auto& x = w[a];
          return show(x.word(p)) + show(x.words(p)) + show(x.words(p, n)) +
                 show(x.indexOfWord(p)) + " " + show(x.lengthOfWord(n)) + " " +
                 show(x.numWords());
        });
      case 21:
        return go([&](auto& w) {
          using T = SLOT_T;
          auto& x = w[a];
          const bool copy = form & 1;
#define RADIX(i, name) \
  if (form / 2 % 12 == i) copy ? void(w[b] = T::name(x)) : void(x.name());
          RADIX(0, b2c) RADIX(1, b2d) RADIX(2, b2x) RADIX(3, c2b);
          RADIX(4, c2d) RADIX(5, c2x) RADIX(6, d2b) RADIX(7, d2c);
          RADIX(8, d2x) RADIX(9, x2b) RADIX(10, x2c) RADIX(11, x2d);
#undef RADIX
        });
#if MORVEK_STD_INTEROP
      case 22: {
        std::string bytes = in.take(in.byte() % 32);
        return go([&](auto& w) {
          using T = SLOT_T;
          if (kind == 0) w[a] = T(bytes);
          if (kind == 1) w[a] = T(std::string_view(bytes));
          if (kind == 2) w[a] = std::move(w[b]);
          if (kind == 3) w[a] = T(std::move(w[b]));
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
