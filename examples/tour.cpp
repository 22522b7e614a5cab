// tour.cpp: what morvek does, one family at a time, printing each result.
#include <lexcext.h>
#include <istring.hpp>

#include <iostream>
#include <new>
#include <sstream>

namespace {

// Prints "what -> [text] (length n)", or "what -> null" for the null string.
void show(const char* what, const IString& s) {
  std::cout << "  " << what << " -> ";
  if (static_cast<const char*>(s) == nullptr) {
    std::cout << "null\n";
  } else {
    std::cout << '[' << s << "] (length " << s.length() << ")\n";
  }
}

void show(const char* what, long value) {
  std::cout << "  " << what << " -> " << value << '\n';
}

void tourValues() {
  std::cout << "Construction, null and empty\n";
  show("IString()", IString());
  show("IString((const char*)0)", IString(static_cast<const char*>(nullptr)));
  show("IString(\"hello\")", IString("hello"));
  show("IString('x')", IString('x'));
  show("IString(-2147483647 - 1)", IString(-2147483647 - 1));
  show("IString(4294967295u)", IString(4294967295u));
  show("IString(0.1)", IString(0.1));
  show("IString(100000.0)", IString(100000.0));
  show("IString(\"abc\", 5, '*')", IString("abc", 5, '*'));
  show("IString(null, 3, '-')", IString(nullptr, 3, '-'));
}

void tourComparison() {
  const IString null_string(static_cast<const char*>(nullptr));
  const IString empty;
  std::cout << "Comparison and concatenation\n";
  show("null < empty", null_string < empty);
  show("null == empty", null_string == empty);
  show("IString(\"abc\") < \"abd\"", IString("abc") < "abd");
  show("IString(\"B\") < \"a\"", IString("B") < "a");
  const IString with_nul = IString("a") + IString('\0') + "b";
  show("\"a\" NUL \"b\" == \"a\"", with_nul == "a");
  show("null + null", null_string + null_string);
  show("IString(\"ab\") + \"cd\"", IString("ab") + "cd");
  IString s("ab");
  s += s;
  show("s = \"ab\"; s += s", s);
  std::istringstream in("first line\nsecond line\n");
  show("lineFrom(\"first line\\n...\")", IString::lineFrom(in));
  show("IString(\"  42abc\").asInt()", IString("  42abc").asInt());
  show("IString(\"0x1A\").asInt()", IString("0x1A").asInt());
  std::cout << "  IString(\"1e3\").asDouble() -> " << IString("1e3").asDouble()
            << '\n';
}

void tourSearch() {
  const IString banana("banana");
  std::cout << "Search and classification\n";
  show("\"banana\".indexOf('a')", banana.indexOf('a'));
  show("\"banana\".indexOf(\"ana\", 3)", banana.indexOf("ana", 3));
  show("\"banana\".lastIndexOf(\"ana\")", banana.lastIndexOf("ana"));
  show("\"banana\".lastIndexOf(\"ana\", 5)", banana.lastIndexOf("ana", 5));
  show("\"banana\".indexOf(\"nab\")", banana.indexOf("nab"));
  show("\"banana\".indexOfAnyBut(\"ab\")", banana.indexOfAnyBut("ab"));
  show("\"banana\".occurrencesOf('a')", banana.occurrencesOf('a'));
  const IString with_nul = IString("ab") + IString('\0') + "ab";
  show("\"ab\" NUL \"ab\": indexOf(\"ab\", 2)", with_nul.indexOf("ab", 2));
  show("\"ab\" NUL \"ab\": indexOf('b', 3)", with_nul.indexOf('b', 3));
  show("\"1aF\".isHexDigits()", IString("1aF").isHexDigits());
  show("\"1aF\".isDigits()", IString("1aF").isDigits());
}

void tourSubstrings() {
  const IString s("abcdef");
  std::cout << "Sub-strings and editing\n";
  show("\"abcdef\".subString(3)", s.subString(3));
  show("\"abcdef\".subString(5, 4, '.')", s.subString(5, 4, '.'));
  show("\"abcdef\".subString(7, 3, '.')", s.subString(7, 3, '.'));
  IString grown("abc");
  grown[5] = 'x';
  show("s = \"abc\"; s[5] = 'x'", grown);
  show("\"abcdef\".remove(2, 2)", IString(s).remove(2, 2));
  show("\"abc\".rightJustify(5, '.')", IString("abc").rightJustify(5, '.'));
  show("\"abcdef\".overlayWith(\"XY\", 9, '.')",
       IString(s).overlayWith("XY", 9, '.'));
  show("IString::insert(\"abcdef\", \"XY\", 2)", IString::insert(s, "XY", 2));
  try {
    IString(s).leftJustify(0xFFFFFFFFu);
  } catch (const std::bad_array_new_length&) {
    std::cout << "  leftJustify(0xFFFFFFFF) -> std::bad_array_new_length\n";
  }
}

void tourStripping() {
  std::cout << "Stripping and case\n";
  show("\"  ab  \".strip()", IString("  ab  ").strip());
  show("\"  ab  \".stripLeading()", IString("  ab  ").stripLeading());
  show("\"  ab  \".stripTrailing()", IString("  ab  ").stripTrailing());
  show("\"xxaxx\".strip('x')", IString("xxaxx").strip('x'));
  show("\"-+a+-\".stripLeading(\"+-\")", IString("-+a+-").stripLeading("+-"));
  show("\" \\t \".strip()", IString(" \t ").strip());
  show("\"AbC1\".upperCase()", IString("AbC1").upperCase());
  show("IString::lowerCase(\"AbC1\")", IString::lowerCase("AbC1"));
}

// --- replacement (tourReplacement) ---

void tourReplacement() {
  std::cout << "Replacement\n";
  IString s("abcabc");
  show("\"abcabc\".change(\"bc\", \"X\", 3)", s.change("bc", "X", 3));
  s = "aaaa";
  show("\"aaaa\".change(\"a\", \"bb\", 1, 2)", s.change("a", "bb", 1, 2));
  s = "aaa";
  show("\"aaa\".change(\"aa\", \"b\")", s.change("aa", "b"));
  s = "a.b.c";
  show("\"a.b.c\".translate(\".\", \"::\")", s.translate(".", "::"));
  s = "abab";
  show("\"abab\".change(\"ab\", \"\")", s.change("ab", ""));
  s = "ab";
  show("s = \"ab\"; s.change(s, \"x\")", s.change(s, "x"));
  const IString with_nul = IString("a.b") + IString('\0') + ".c";
  s = with_nul;
  show("\"a.b\" NUL \".c\" translate(\".\", \"-\") (stops at the NUL)",
       s.translate(".", "-"));
  show("IString::change(\"x-y-z\", \"-\", \"+\", 3)",
       IString::change("x-y-z", "-", "+", 3));
}

// --- words (tourWords) ---

void tourWords() {
  const IString s("  one two\tthree\n");
  std::cout << "Words of \"  one two\\tthree\\n\"\n";
  show("numWords()", s.numWords());
  show("word(3)", s.word(3));
  show("word(4)", s.word(4));
  show("words(2)", s.words(2));
  show("words(1, 2)", s.words(1, 2));
  show("indexOfWord(2)", s.indexOfWord(2));
  show("lengthOfWord(2)", s.lengthOfWord(2));
}

// --- radix conversions (tourRadix) ---

void tourRadix() {
  std::cout << "Radix conversions\n";
  show("IString::b2x(\"11111\")", IString::b2x("11111"));
  show("IString::b2d(\"1010\")", IString::b2d("1010"));
  show("IString::b2c(\"010000010100001001000011\")",
       IString::b2c("010000010100001001000011"));
  show("IString::d2x(\"255\")", IString::d2x("255"));
  show("IString::d2x(\"4294967296\") (modulo 2^32)",
       IString::d2x("4294967296"));
  show("IString::d2b(\"10\")", IString::d2b("10"));
  show("IString::d2c(\"65\")", IString::d2c("65"));
  show("IString::x2c(\"414243\")", IString::x2c("414243"));
  show("IString::x2d(\"ff\")", IString::x2d("ff"));
  show("IString::x2b(\"1f\")", IString::x2b("1f"));
  show("IString::c2x(\"AB\")", IString::c2x("AB"));
  show("IString::c2b(\"A\")", IString::c2b("A"));
  show("IString::c2d(\"A\")", IString::c2d("A"));
  // The bytes 0x01 0x00 from d2c, back to decimal and hexadecimal.
  const IString bytes = IString::d2c("256");
  show("IString::c2d(IString::d2c(\"256\"))", IString::c2d(bytes));
  show("IString::c2x(IString::d2c(\"256\"))", IString::c2x(bytes));
  IString s("12a");
  show("s = \"12a\"; s.d2x()", s.d2x());
  show("IString::x2c(\"4G\")", IString::x2c("4G"));
}

void tourHelpers() {
  char text[] = "MiXeD 123";
  char buffer[12];
  std::cout << "C helpers\n";
  show("strcmpi(\"Hello\", \"hELLO\")", strcmpi("Hello", "hELLO"));
  show("strcmpi(\"a\", \"_\") > 0", strcmpi("a", "_") > 0);
  show("strnicmp(\"a\", \"_\", 1)", strnicmp("a", "_", 1));
  show("memicmp(\"A\\0b\", \"a\\0B\", 3)", memicmp("A\0b", "a\0B", 3));
  std::cout << "  strlwr(\"MiXeD 123\") -> " << strlwr(text) << '\n';
  std::cout << "  strrev(...) -> " << strrev(text) << '\n';
  std::cout << "  itoa(-1, buffer, 8) -> " << itoa(-1, buffer, 8) << '\n';
  std::cout << "  itoa(255, buffer, 16) -> " << itoa(255, buffer, 16) << '\n';
  std::cout << "  itoa(5, buffer, 2) -> " << itoa(5, buffer, 2) << '\n';
}

}  // namespace

int main() {
  tourValues();
  tourComparison();
  tourSearch();
  tourSubstrings();
  tourStripping();
  tourReplacement();
  tourWords();
  tourRadix();
  tourHelpers();
  return 0;
}
