#!/usr/bin/env python3
"""Turns the worked examples of morvek's documentation into a test program.

    doc_examples.py --root DIR --out FILE --fmt-out FILE DOC...

Each DOC (a Markdown file or a header) is read for examples in two forms:

- inline, in prose, tables and comments: `EXPR` gives `RESULT`,
  `EXPR` writes `TEXT`, `EXPR` gives the null string and `EXPR` gives the
  empty string;
- blocks: a ```cpp fence in Markdown, or @code ... @endcode in a header
  comment. A block is compiled as it stands, in a scope of its own; a line
  `EXPR;  // gives RESULT ...` (or `// writes TEXT ...`) in it also checks
  what EXPR gives, and whatever follows the result is commentary.

RESULT is a C++ expression: a string literal (every character counts, inner
NUL bytes included, so "a\\0b" is three characters), a character, a number,
true or false, or a named constant. An IString result must have a buffer and
hold exactly those characters; `writes` compares what operator<< (or any
stream insertion) writes.

The examples become one C++ function per document, with #line directives so
that compiler messages point into the document. Examples that name fmt:: go
to the --fmt-out program, which is built against {fmt}; examples that need
C++17 (string_view) are compiled only in C++17 and later. A backquoted
expression followed by "gives" or "writes" that is not in one of the forms
above is an error, and so is a document without examples.
"""

import argparse
import os
import re
import sys

SPAN = r"(?:``(?P<{0}2>.+?)``|`(?P<{0}1>[^`]+)`)"  # a code span
INLINE = re.compile(
    SPAN.format("expr") + r"\s+(?P<verb>gives|writes)\s+(?:" + SPAN.format("result")
    + r"|(?P<phrase>the null string|the empty string))"
)
LOOSE = re.compile(r"`\s+(?:gives|writes)\b")
CHECK_LINE = re.compile(r"^(\s*)(\S.*?);?\s*//\s*(gives|writes)\s+(.*)$")
RESULT = re.compile(
    r"the null string|the empty string"
    r"|(?:\"(?:[^\"\\]|\\.)*\"\s*)+"
    r"|'(?:[^'\\]|\\.)'"
    r"|[-+]?\w+(?:(?:::|\.)\w+)*(?:\([^()]*\))?"
)
FENCE = re.compile(r"^\s*```\s*(\S*)")
COMMENT = re.compile(r"^\s*(?:///?|/\*\*?|\*(?!/))?\s?(.*?)\s*(?:\*/)?$")
CODE_START = re.compile(r"^[@\\]code\b")
CODE_END = re.compile(r"^[@\\]endcode\b")


class Example:
    """One inline example or one block, with where it came from."""

    def __init__(self, doc, line, code):
        self.doc, self.line, self.code = doc, line, code
        text = " ".join(code) if isinstance(code, list) else code[0]
        self.fmt = "fmt::" in text
        self.cxx17 = "string_view" in text or "asStringView" in text


def fail(doc, line, message):
    sys.exit(f"{doc}:{line}: {message}")


def check_call(doc, line, expr, verb, result):
    """The C++ statement that checks one stated result."""
    result = result.strip()
    if result == "the null string":
        return f"morvek_doc::isNull({where(doc, line, expr)}, ({expr}));"
    if result == "the empty string":
        return f"morvek_doc::isEmpty({where(doc, line, expr)}, ({expr}));"
    want = cxx_string(result)
    what = "writes" if verb == "writes" else "gives"
    return (f"morvek_doc::{what}({where(doc, line, expr)}, ({expr}), "
            f"{result}, {want});")


def where(doc, line, expr):
    return f'"{doc}", {line}, {cxx_string(expr)}'


def cxx_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


class Prose:
    """Running text cut into paragraphs, each a list of (line number, text)."""

    def __init__(self):
        self.paragraphs = [[]]

    def add(self, number, text):
        if text.strip():
            self.paragraphs[-1].append((number, text.strip()))
        else:
            self.end()

    def end(self):
        if self.paragraphs[-1]:
            self.paragraphs.append([])


def paragraphs(doc, lines):
    """Markdown: the prose, and the ```cpp blocks as lists of (line, text)."""
    prose, blocks, block, fence = Prose(), [], None, None
    for number, raw in enumerate(lines, 1):
        opened = FENCE.match(raw)
        if fence is not None:
            if opened and not opened.group(1):
                if block is not None:
                    blocks.append(block)
                fence, block = None, None
            elif block is not None:
                block.append((number, raw))
        elif opened:
            prose.end()
            fence = opened.group(1)
            block = [] if fence == "cpp" else None
        else:
            prose.add(number, raw)
    return prose, blocks


def comments(doc, lines):
    """Header comments: the same for the text of full-line comments, with
    @code ... @endcode as the blocks."""
    prose, blocks, block, in_block_comment = Prose(), [], None, False
    for number, raw in enumerate(lines, 1):
        stripped = raw.strip()
        is_comment = in_block_comment or stripped.startswith(("//", "/*"))
        if stripped.startswith("/*") and "*/" not in stripped:
            in_block_comment = True
        elif in_block_comment and "*/" in stripped:
            in_block_comment = False
        text = COMMENT.match(raw).group(1) if is_comment else ""
        if block is not None and not is_comment:
            fail(doc, block[0][0] if block else number, "@code without @endcode")
        if block is not None:
            if CODE_END.match(text.strip()):
                blocks.append(block)
                block = None
            else:
                block.append((number, text))
        elif not is_comment or CODE_START.match(text.strip()):
            prose.end()
            block = [] if is_comment else None
        else:
            prose.add(number, text)
    return prose, blocks


def line_of(paragraph, offset):
    """The line on which the character at offset of the joined text lies."""
    for number, text in paragraph:
        offset -= len(text) + 1
        if offset < 0:
            return number
    return paragraph[-1][0]


def examples_of(doc, lines):
    reader = paragraphs if doc.endswith(".md") else comments
    prose, blocks = reader(doc, lines)
    found = []
    for paragraph in prose.paragraphs:
        text = " ".join(t for _, t in paragraph)
        matched = set()
        for m in INLINE.finditer(text):
            line = line_of(paragraph, m.start())
            expr = m.group("expr1") or m.group("expr2")
            result = m.group("result1") or m.group("result2") or m.group("phrase")
            found.append(
                Example(doc, line, [check_call(doc, line, expr, m.group("verb"), result)]))
            matched.add(m.start("verb"))
        for m in LOOSE.finditer(text):
            if m.end() - len(m.group(0).split()[-1]) not in matched:
                fail(doc, line_of(paragraph, m.start()),
                     f"write the example as `EXPR` gives `RESULT`: {m.group(0)}")
    for block in blocks:
        code = []
        for number, text in block:
            m = CHECK_LINE.match(text)
            if m:
                indent, expr, verb, rest = m.groups()
                result = RESULT.match(rest)
                result = result.group(0).rstrip() if result else ""
                if not result or rest[len(result):len(result) + 1].isalnum():
                    fail(doc, number, f"cannot read the result in: {rest}")
                text = indent + check_call(doc, number, expr, verb, result)
            code.append(text)
        found.append(Example(doc, block[0][0], code))
    if not found:
        fail(doc, 1, "no examples found")
    return found


RUNTIME = r"""// Generated by tests/docs/doc_examples.py from the documentation: do not
// edit. Each check is an example stated in the document named in #line.
#include <istring.hpp>
#include <lexcext.h>
@EXTRA_INCLUDE@
#include <climits>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>
#include <type_traits>
#include <unordered_set>
#include <utility>
#include <vector>
#if __cplusplus >= 201703L
#include <string_view>
#endif

namespace morvek_doc {

int checked = 0, failed = 0;

std::string quote(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out + "\"";
}

std::string show(const IString& s) {
  const char* p = s;
  return p ? quote(s.asStdString()) : "the null string";
}
std::string show(const std::string& s) { return quote(s); }
std::string show(const char* s) { return s ? quote(s) : "a null pointer"; }
std::string show(char* s) { return show(static_cast<const char*>(s)); }
std::string show(char c) { return "the character " + quote(std::string(1, c)); }
std::string show(bool b) { return b ? "true" : "false"; }
template <class T>
std::string show(const T& value) {
  std::ostringstream out;
  out.precision(17);
  out << value;
  return out.str();
}
#if __cplusplus >= 201703L
std::string show(std::string_view v) { return quote(std::string(v)); }
#endif

// Every character of a string literal, inner NUL bytes included.
template <std::size_t N>
std::string all(const char (&text)[N]) {
  return std::string(text, N - 1);
}

template <std::size_t N>
bool same(const IString& got, const char (&want)[N]) {
  return static_cast<const char*>(got) && got.asStdString() == all(want);
}
template <std::size_t N>
bool same(const std::string& got, const char (&want)[N]) {
  return got == all(want);
}
template <std::size_t N>
bool same(const char* got, const char (&want)[N]) {
  return got && got == all(want);
}
#if __cplusplus >= 201703L
template <std::size_t N>
bool same(std::string_view got, const char (&want)[N]) {
  return got == all(want);
}
#endif
template <class A, class E>
typename std::enable_if<std::is_arithmetic<A>::value &&
                            std::is_arithmetic<E>::value,
                        bool>::type
same(const A& got, const E& want) {
  return got == static_cast<A>(want);
}

void report(const char* doc, int line, const char* expr, bool ok,
            const std::string& stated, const std::string& got) {
  ++checked;
  if (ok) return;
  ++failed;
  std::cout << doc << ":" << line << ": `" << expr << "` " << stated
            << ", but it " << got << "\n";
}

template <class A, class E>
void gives(const char* doc, int line, const char* expr, const A& got,
           const E& want, const char* stated) {
  report(doc, line, expr, same(got, want), std::string("gives ") + stated,
         "gives " + show(got));
}

template <class A, std::size_t N>
void writes(const char* doc, int line, const char* expr, const A& value,
            const char (&want)[N], const char* stated) {
  std::ostringstream out;
  out << value;
  report(doc, line, expr, out.str() == all(want),
         std::string("writes ") + stated, "writes " + quote(out.str()));
}

void isNull(const char* doc, int line, const char* expr, const IString& got) {
  report(doc, line, expr, static_cast<const char*>(got) == nullptr,
         "gives the null string", "gives " + show(got));
}

void isEmpty(const char* doc, int line, const char* expr, const IString& got) {
  report(doc, line, expr,
         static_cast<const char*>(got) != nullptr && got.length() == 0,
         "gives the empty string", "gives " + show(got));
}

}  // namespace morvek_doc
"""

MAIN = r"""
int main(int argc, char** argv) {
  const char* only = argc > 1 ? argv[1] : nullptr;
  int documents = 0;
  for (const auto& doc : kDocuments) {
    if (only && std::strcmp(only, doc.first) != 0) continue;
    ++documents;
    try {
      doc.second();
    } catch (const std::exception& e) {
      ++morvek_doc::failed;
      std::cout << doc.first << ": an example threw " << e.what() << "\n";
    }
  }
  std::cout << morvek_doc::checked << " stated results checked, "
            << morvek_doc::failed << " wrong\n";
  return documents && morvek_doc::checked && !morvek_doc::failed ? 0 : 1;
}
"""


def generate(examples, extra_include):
    out = [RUNTIME.replace("@EXTRA_INCLUDE@", extra_include)]
    docs = []
    for doc in dict.fromkeys(e.doc for e in examples):
        name = "doc" + str(len(docs))
        docs.append((doc, name))
        out.append(f"\nvoid {name}() {{")
        for e in (e for e in examples if e.doc == doc):
            if e.cxx17:
                out.append("#if __cplusplus >= 201703L")
            out.append(f'#line {e.line} "{doc}"')
            if len(e.code) == 1 and e.code[0].startswith("morvek_doc::"):
                out.append(e.code[0])
            else:
                out.append("{")
                out.append(f'#line {e.line} "{doc}"')
                out.extend(e.code)
                out.append("}")
            if e.cxx17:
                out.append("#endif")
        out.append("}")
    out.append("\nconst std::pair<const char*, void (*)()> kDocuments[] = {")
    out.extend(f'    {{"{os.path.basename(d)}", {n}}},' for d, n in docs)
    out.append("};")
    out.append(MAIN)
    return "\n".join(out)


def write_if_changed(path, text):
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except OSError:
        pass
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--root", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--fmt-out", required=True)
    parser.add_argument("docs", nargs="+")
    args = parser.parse_args()
    examples = []
    for path in args.docs:
        doc = os.path.relpath(path, args.root)
        with open(path, encoding="utf-8") as f:
            examples += examples_of(doc, f.read().split("\n"))
    write_if_changed(args.out,
                     generate([e for e in examples if not e.fmt], ""))
    write_if_changed(args.fmt_out,
                     generate([e for e in examples if e.fmt],
                              "#include <istring_format.hpp>"))


if __name__ == "__main__":
    main()
