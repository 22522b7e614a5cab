// driver.hpp: runs a program of IString operations on four string slots,
// each step on IString and on the model of istring_model.hpp, and records the
// first difference in a result, a thrown size failure, or a slot's null-ness,
// length, bytes or terminator. The operations fuzzer, the corpus of programs
// in model/corpus, the property tests and the allocation-failure tests all
// run programs through it; Program and Step write them.
//
// Allocation-failure mode (Driver::failAllocations, for an executable that
// routes operator new[] through allocationFails()): each step runs again and
// again with its k-th array allocation failing, k = 1, 2, ... until it
// completes; after each failure every slot and every argument must hold its
// value from before the step.

#ifndef MORVEK_MODEL_DRIVER_HPP_
#define MORVEK_MODEL_DRIVER_HPP_

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>

#include "istring.hpp"
#include "istring_model.hpp"

namespace driver {

using model::Str;

inline std::string show(const Str& s) {
  return s.null ? "null" : "'" + s.s + "'";
}
inline std::string show(const IString& s) {
  const char* p = s;
  if (p == nullptr) return s.length() == 0 ? "null" : "null with a length";
  return p[s.length()] ? "unterminated"
                       : "'" + std::string(p, s.length()) + "'";
}
inline std::string show(double d) {
  char b[40];
  std::snprintf(b, sizeof b, "%a", d);
  return b;
}
template <class N, class = std::enable_if_t<std::is_integral<N>::value>>
std::string show(N n) {
  return std::to_string(n);
}
// The values shown, each followed by a blank.
template <class... T>
std::string join(const T&... v) {
  return ((show(v) + " ") + ...);
}
// The array allocation that fails, counted from 1 (0: none), and the count
// so far. An executable that replaces operator new[] calls allocationFails().
inline long failAt = 0, allocations = 0;
inline bool allocationFails() { return failAt != 0 && ++allocations == failAt; }

class Reader {
 public:
  Reader(const std::uint8_t* p, std::size_t n) : p_(p), end_(p + n) {}
  bool more() const { return p_ < end_; }
  std::uint8_t byte() { return p_ < end_ ? *p_++ : 0; }
  std::string take(std::size_t n) {
    n = std::min<std::size_t>(n, end_ - p_);
    std::string r(reinterpret_cast<const char*>(p_), n);
    p_ += n;
    return r;
  }
  // A position or count: small values, the ends of a text of length `len`,
  // values at the top of the unsigned range, or any 32-bit value.
  unsigned pos(unsigned len) {
    const std::uint8_t b = byte();
    const unsigned special[8] = {
        len,         len + 1,     len - 1,     0xFFFFFFFFu,
        0xFFFFFFFEu, 0x80000000u, 0x7FFFFFFFu, 0};
    if (b != 0xFF) return b < 0xF8 ? b : special[b - 0xF8];
    unsigned v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | byte();
    return v;
  }

 private:
  const std::uint8_t* p_;
  const std::uint8_t* end_;
};

inline const char* pointerOf(const IString& s) { return s; }
inline const char* pointerOf(const Str& s) { return s.cstr(); }

// A const char* argument: a null pointer (0xFF), a heap copy of n % 24
// program bytes (a NUL among them ends the text early), or, where `self`
// allows it, the buffer of slot n & 3 (0xF0 to 0xFE).
struct Text {
  std::unique_ptr<char[]> bytes;
  int slot = -1;
  Text(Reader& in, bool self) {
    const std::uint8_t b = in.byte();
    if (b == 0xFF) return;
    if (self && b >= 0xF0) {
      slot = b & 3;
      return;
    }
    const std::string t = in.take(b % 24);
    bytes.reset(new char[t.size() + 1]);
    std::memcpy(bytes.get(), t.c_str(), t.size() + 1);
  }
  template <class W>
  const char* get(W& w) const {
    return slot >= 0 ? pointerOf(w[slot]) : bytes.get();
  }
  std::string value() const { return bytes ? bytes.get() : "<none>"; }
};

// The string type of a slot array, IString or the model.
#define SLOT_T std::decay_t<decltype(w[0])>

// clang-format off
enum Op {
  kBytes, kFromText, kCopy, kFixed, kNumber, kAppend, kAppendText, kAdd,
  kCompare, kAsNumber, kStream, kLineFrom, kDigits, kIndex, kConstIndex,
  kSearch, kSubString, kJustify, kStrip, kChange, kWords, kRadix, kInterop,
  kOps
};
// clang-format on

class Driver {
 public:
  IString is[4];
  Str ms[4];
  std::string error;  // the first difference; empty while they agree
  bool failAllocations = false;
  long steps = 0, injected = 0;

  explicit Driver(model::u64 limit = 4096) {
    Str::limit = limit;  // larger steps are skipped (results over 2^32 - 2
                         // still throw and are compared)
    const char* init[4] = {"", nullptr, " ab\tc ab ", "0110"};
    for (int i = 0; i < 4; ++i) is[i] = IString(init[i]), ms[i] = Str(init[i]);
  }
  void set(int slot, const std::string& bytes) {
    is[slot] = IString(bytes);
    ms[slot] = Str::of(bytes);
  }
  bool run(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    while (in.more() && error.empty()) step(in);
    return error.empty();
  }
  bool run(const std::string& program) {
    return run(reinterpret_cast<const std::uint8_t*>(program.data()),
               program.size());
  }

 private:
  std::string slots() const {
    std::string r;
    for (const IString& s : is) r += show(s) + " ";
    return r;
  }
  void fail(int op, const std::string& what, const std::string& want,
            const std::string& got) {
    if (error.empty())
      error = "op " + std::to_string(op) + ": " + what +
              " differs\n  model: " + want + "\n  IString: " + got;
  }

  // The text a step returns to compare; mutations return nothing.
  template <class F, class W>
  static std::string call(F& f, W& w) {
    if constexpr (std::is_void<decltype(f(w))>::value)
      return f(w), std::string();
    else
      return f(w);
  }

  // Runs `f` on the model, then on IString, and compares. `keeps`: the
  // operation works in place on slot `keeps` unless the model's result says
  // that characters went from its front.
  template <class F>
  void compare(int op, const std::string& args, F f, int keeps = -1) {
    std::string want, got;
    const Str before = keeps >= 0 ? ms[keeps] : Str();
    const char* buffer = keeps >= 0 ? pointerOf(is[keeps]) : nullptr;
    try {
      want = call(f, ms);
    } catch (const model::TooBig&) {
      return;
    } catch (const std::bad_alloc&) {
      want = "throws";
    }
    ++steps;
    const long injectedBefore = injected;
    for (long k = failAllocations ? 1 : 0;; ++k) {
      const std::string start = failAllocations ? slots() + args : "";
      failAt = k;
      allocations = 0;
      try {
        got = call(f, is);
        failAt = 0;
        break;
      } catch (const std::bad_alloc&) {
        const bool injection = failAt != 0 && allocations >= failAt;
        failAt = 0;
        got = "throws";
        if (!injection) break;
      }
      ++injected;
      if (slots() + args != start)
        return fail(op, "value after allocation failure " + std::to_string(k),
                    start, slots() + args);
    }
    if (want != got) return fail(op, "result", want, got);
    for (int i = 0; i < 4; ++i)
      if (show(ms[i]) != show(is[i]))
        return fail(op, "slot " + std::to_string(i), show(ms[i]), show(is[i]));
    // In place: the characters (or the case) changed only at the end.
    const std::string& now = ms[keeps < 0 ? 0 : keeps].s;
    if (keeps >= 0 && !before.null &&
        (now.size() == before.s.size() ||
         before.s.compare(0, now.size(), now) == 0) &&
        (pointerOf(is[keeps]) != buffer || injected != injectedBefore))
      fail(op, "buffer of slot " + std::to_string(keeps), "kept",
           "replaced or allocated");
  }

  void step(Reader& in) {
    const int op = in.byte() % kOps, v = in.byte(), form = in.byte();
    const int a = v & 3, b = (v >> 2) & 3, c = (v >> 4) & 3, kind = v >> 6;
    const char ch = char(in.byte()), pad = char(in.byte());
    const unsigned p = in.pos(ms[a].length()), n = in.pos(ms[a].length());
    const Text s(in, true), t(in, false);  // s may point into a slot
    const std::string args = s.value() + "|" + t.value();
    auto go = [&](auto f, int keeps = -1) { compare(op, args, f, keeps); };
    switch (op) {
      case kBytes: {  // bytes, NULs included, appended one at a time
        const std::string bytes = in.take(in.byte() % 48);
        return go([&](auto& w) {
          SLOT_T r("");
          for (char byte : bytes) r += SLOT_T(byte);
          w[a] = std::move(r);
        });
      }
      case kFromText:
        return go([&](auto& w) { w[a] = SLOT_T(s.get(w)); });
      case kCopy:
        return go([&](auto& w) {
          if (kind == 0) w[a] = w[b];  // copy assignment
          if (kind == 1) w[a] = w[b].asString();
          if (kind >= 2) w[a] = SLOT_T(w[b]);
        });
      case kFixed:  // from a text, or (odd kind) possibly a slot's buffer
        return go(
            [&](auto& w) { w[a] = SLOT_T((kind & 1 ? s : t).get(w), n, pad); });
      case kNumber:
        return go([&](auto& w) {
          using T = SLOT_T;
          if (kind == 0) w[a] = form & 1 ? T(int(n)) : T(n);
          if (kind == 1) w[a] = T(long(int(n)) * 65537L);
          if (kind == 2) w[a] = T(n * 4294967311UL);
          if (kind == 3) w[a] = form & 1 ? T(char(n)) : T(short(n));
        });
      case kAppend:
        return go([&](auto& w) { w[a] += w[b]; });
      case kAppendText:
        return go([&](auto& w) { w[a] += s.get(w); });
      case kAdd:
        return go([&](auto& w) {
          const char* q = t.get(w);
          w[c] = kind == 0 ? w[a] + w[b] : kind == 1 ? w[a] + q : q + w[b];
        });
      case kCompare:
        return go([&](auto& w) {
          const char* q = t.get(w);
          const auto &x = w[a], &y = w[b];
          const int r[18] = {x == y, x != y, x<y, x <= y, x> y, x >= y,
                             x == q, x != q, x<q, x <= q, x> q, x >= q,
                             q == y, q != y, q<y, q <= y, q> y, q >= y};
          std::string bits;
          for (int bit : r) bits += char('0' + bit);
          if constexpr (std::is_same<SLOT_T, IString>::value)  // equal: same
            if (x == y && std::hash<IString>()(x) != std::hash<IString>()(y))
              bits += " hash differs";
          return bits;
        });
      case kAsNumber:
        return go([&](auto& w) {
          return join(w[a].asInt(), w[a].asUnsigned(), w[a].asDouble());
        });
      case kStream:
        return go([&](auto& w) {
          std::ostringstream o;
          o << w[a];
          return o.str() + (o.good() ? " good" : " bad");
        });
      case kLineFrom: {
        std::string line = in.take(in.byte() % 32);
        for (int i = in.byte() % 64; i > 0; --i) line += line.substr(0, 40);
        return go([&](auto& w) {
          std::istringstream stream(line);
          auto first = SLOT_T::lineFrom(stream, ch);
          auto second = SLOT_T::lineFrom(stream);
          w[a] = std::move(first);
          w[b] = std::move(second);
        });
      }
      case kDigits:
        return go([&](auto& w) {
          const auto& x = w[a];
          return show(x.isBinaryDigits() + x.isDigits() * 2 +
                      x.isHexDigits() * 4);
        });
      case kIndex:
        return go([&](auto& w) {
          char& r = w[a][p];
          std::string old(1, r);
          if (kind & 1) r = ch;
          return old;
        });
      case kConstIndex:
        return go(
            [&](auto& w) { return std::string(1, std::as_const(w[a])[p]); });
      case kSearch:
        return go([&](auto& w) {
          const auto& x = w[a];
          const char* q = (kind & 1 ? s : t).get(w);  // s: a slot's buffer
          return join(x.indexOf(ch, p), x.indexOf(q, p), x.lastIndexOf(ch, p),
                      x.lastIndexOf(q, p), x.indexOfAnyBut(ch, p),
                      x.indexOfAnyBut(q, p), x.occurrencesOf(ch, p),
                      x.indexOf(q), x.lastIndexOf(q), x.indexOfAnyBut(q));
        });
      case kSubString:
        return go([&](auto& w) {
          if (kind == 0) w[b] = w[a].subString(p);
          if (kind == 1) w[b] = w[a].subString(p, n, pad);
          if (kind == 2) w[a].remove(p);
          if (kind == 3) w[a].remove(p, n);
        });
      case kJustify:
        return go([&](auto& w) {
          if (kind == 0) w[a].leftJustify(p, pad);
          if (kind == 1) w[a].rightJustify(p, pad);
          if (kind == 2) w[a].overlayWith(w[b], p, pad);
          if (kind == 3) w[c] = SLOT_T::insert(w[a], w[b], p, pad);
        });
      case kStrip: {
        const int f = form % 14;
        return go(
            [&](auto& w) {
              using T = SLOT_T;
              const char* q = t.get(w);
              auto& x = w[a];
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
            },
            f <= 6 || f == 10 || f == 11 ? a : -1);
      }
      case kChange:
        return go([&](auto& w) {
          const char *in_chars = s.get(w), *out_chars = t.get(w);
          auto& x = w[a];
          const int f = form % 12;
          if (f == 0) x.change(w[b], w[c], p, n);
          if (f == 1) x.change(w[b], out_chars, p, n);
          if (f == 2) x.change(in_chars, w[c], p, n);
          if (f == 3) x.change(in_chars, out_chars, p, n);
          if (f == 4) x = SLOT_T::change(w[b], w[c], x, p, n);
          if (f == 5) x.translate(w[b], w[c], pad);
          if (f == 6) x.translate(w[b], out_chars, pad);
          if (f == 7) x.translate(in_chars, w[c], pad);
          if (f == 8) x.translate(in_chars, out_chars, pad);
          if (f == 9) x = SLOT_T::change(w[b], in_chars, out_chars, p, n);
          if (f == 10) x = SLOT_T::change(w[b], in_chars, w[c], p, n);
          if (f == 11) x = SLOT_T::change(w[b], w[c], out_chars, p, n);
        });
      case kWords:
        return go([&](auto& w) {
          const auto& x = w[a];
          return join(x.word(p), x.words(p), x.words(p, n), x.indexOfWord(p),
                      x.lengthOfWord(n), x.numWords());
        });
      case kRadix:
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
      case kInterop: {
        const std::string bytes = in.take(in.byte() % 32);
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
      default:
        return;
    }
  }
};
#undef SLOT_T

// A const char* argument of a step: a text, or the buffer of a slot.
struct Arg {
  int code;
  std::string text;
  static Arg of(const std::string& t) { return {int(t.size()), t}; }
  static Arg slot(int i) { return {0xF0 | i, ""}; }
  static Arg none() { return {0xFF, ""}; }
};

// One step of a program, its arguments named (see Driver::step for what
// each operation does with them); those not set take the defaults below.
struct Step {
  explicit Step(Op op) : op_(op) {}
  // The slots a step works on: the object, the argument, the result.
  Step& on(int a, int b = 0, int c = 0) {
    a_ = a, b_ = b, c_ = c;
    return *this;
  }
  Step& variant(int kind) { return kind_ = kind, *this; }  // 0 to 3
  Step& form(int form) { return form_ = form, *this; }
  Step& at(unsigned position) { return p_ = position, *this; }
  Step& count(unsigned n) { return n_ = n, *this; }
  Step& input(const Arg& s) { return s_ = s, *this; }  // may be a slot
  Step& output(const Arg& t) { return t_ = t, *this; }
  Step& ch(char c) { return ch_ = c, *this; }
  Step& pad(char c) { return pad_ = c, *this; }
  Step& bytes(const std::string& b) { return bytes_ = b, *this; }

  std::string encoded() const {
    std::string r = {char(op_), char(a_ | b_ << 2 | c_ << 4 | kind_ << 6),
                     char(form_), ch_, pad_};
    r += position(p_) + position(n_);
    for (const Arg* arg : {&s_, &t_}) r += char(arg->code) + arg->text;
    if (op_ == kBytes || op_ == kLineFrom || op_ == kInterop)
      r += char(bytes_.size()) + bytes_ +
           std::string(op_ == kLineFrom ? 1 : 0, '\0');
    return r;
  }

 private:
  static std::string position(unsigned v) {
    if (v < 0xF8) return std::string(1, char(v));
    std::string r(1, '\xFF');
    for (int i = 3; i >= 0; --i) r += char(v >> (8 * i));
    return r;
  }
  Op op_;
  int a_ = 0, b_ = 0, c_ = 0, kind_ = 0, form_ = 0;
  unsigned p_ = 1, n_ = 0xFFFFFFFFu;
  Arg s_ = Arg::none(), t_ = Arg::none();
  char ch_ = 'a', pad_ = '.';
  std::string bytes_;
};

// A program: steps one after another.
struct Program {
  std::string bytes;
  Program& then(const Step& step) {
    bytes += step.encoded();
    return *this;
  }
};

}  // namespace driver

#endif  // MORVEK_MODEL_DRIVER_HPP_
