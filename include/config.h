// Config: reads small "key = value" text files into a table ordered by key.
//
// The grammar is strict, so a reader of the table sees either every entry of
// a file or none of them:
//   - one entry per line: key, "=", value; blanks and tabs may surround each;
//   - a key is made of 0-9 A-Z a-z "-" "_" "." and may be empty;
//   - a value is unquoted (ends at the first blank or control byte) or quoted
//     with "..." or '...' (may hold blanks and "#", no control bytes, no
//     escapes); an empty value must be written as "" or '';
//   - "#" after the value, or at the start of a line, begins a comment;
//   - blank lines and comment lines hold no entry; so does a bare key on the
//     last line when it has no line end.
// Lines are read in pieces of at most 8191 bytes; each piece of a longer line
// is parsed as a line of its own.
#pragma once

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

#include "unique_handles.h"
#include "ustring/ustring.h"

class Config {
 public:
  using iterator = std::map<ustring, ustring>::iterator;

  // When true, a quoted value is stored with its quotes around it.
  void set_preserve(bool on) { preserve = on; }

  // Adds the entries of the file at path to the table; a key that comes again
  // replaces the earlier value, also one from an earlier read. Returns 0, or
  // -1 for an empty path, a file that cannot be opened (the table is left as
  // it was) or a line that breaks the grammar (the table is left empty, also
  // without the entries of earlier reads). A read error part-way ends the
  // reading with the entries read so far.
  int read(const ustring& path) {
    if (path.empty()) return -1;
    UniqueFile file(std::fopen(path.c_str(), "r"));
    if (!file) return -1;

    char buf[8192];
    while (std::fgets(buf, sizeof buf, file.get())) {
      ustring key;
      ustring value;
      const int result = parse(buf, static_cast<int>(std::strlen(buf)), key, value);
      if (result == OK) {
        store[key] = value;
      } else if (result == INVALID) {
        store.clear();
        return -1;
      }
    }
    return 0;
  }

  // The value stored for key; a missing key is added with an empty value.
  ustring& operator[](const ustring& key) { return store[key]; }

  // Entries in ascending byte order of their keys.
  iterator begin() { return store.begin(); }
  iterator end() { return store.end(); }

 private:
  enum { OK = 0, EMPTY = 1, INVALID = 2 };

  static bool is_key_char(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           c == '-' || c == '_' || c == '.';
  }
  static bool is_value_char(unsigned char c) { return c >= 0x20 && c != 0x7F; }
  static bool is_space(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == ' '; }

  static char* skip_spaces(char* p) {
    while (is_space(static_cast<unsigned char>(*p))) ++p;
    return p;
  }

  // Parses one line (or piece of one) of n bytes, ended by a zero byte; cuts
  // key and value in place. Gives OK with key and value set, EMPTY for a line
  // without an entry, INVALID for a line that breaks the grammar.
  int parse(char* buf, int n, ustring& key, ustring& value) {
    char* const end = buf + n;
    char* p = skip_spaces(buf);

    char* const key_begin = p;
    while (is_key_char(static_cast<unsigned char>(*p))) ++p;
    char* const key_end = p;
    if (*p == '#' || p == end) return EMPTY;

    p = skip_spaces(p);
    if (*p != '=') return INVALID;
    p = skip_spaces(p + 1);
    if (p == end) return INVALID;

    char delimiter = ' ';
    const bool quoted = *p == '"' || *p == '\'';
    if (quoted) delimiter = *p++;

    char* const value_begin = p;
    while (is_value_char(static_cast<unsigned char>(*p)) && *p != delimiter) ++p;
    char* const value_end = p;
    if (quoted) {
      if (*p != delimiter) return INVALID;
      ++p;
    }

    p = skip_spaces(p);
    if (p != end && *p != '#') return INVALID;

    *key_end = '\0';
    *value_end = '\0';
    key = key_begin;
    value = value_begin;
    if (preserve && quoted) value = ustring(delimiter) + value + delimiter;
    return OK;
  }

  std::map<ustring, ustring> store;
  bool preserve = false;
};
