// byteset.hpp: a set of byte values with constant-time membership
// (internal, not installed).

#ifndef MORVEK_INTERNAL_BYTESET_HPP_
#define MORVEK_INTERNAL_BYTESET_HPP_

#include <cstring>

namespace morvek {
namespace internal {

// The characters of a NUL-terminated text, as a set. The NUL byte is always
// a member, as it is for strchr, which finds a text's own terminator.
class ByteSet {
 public:
  explicit ByteSet(const char* members) {
    std::memset(_member, 0, sizeof _member);
    _member[0] = true;
    for (const char* p = members; *p != '\0'; ++p)
      _member[static_cast<unsigned char>(*p)] = true;
  }

  bool contains(char c) const { return _member[static_cast<unsigned char>(c)]; }

 private:
  bool _member[256];
};

}  // namespace internal
}  // namespace morvek

#endif  // MORVEK_INTERNAL_BYTESET_HPP_
