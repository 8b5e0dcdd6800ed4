// A description file's tokens with their places: the library's scanner says what each
// token is; the tool adds where it stands.
#pragma once

#include <string>
#include <vector>

#include "diagnostics.h"

namespace vxtool {

struct Token {
  int code;          // the scanner's code; 0 the end of the file
  int number;        // NUMBER, and 1 or 0 for LABEL and BUTTON
  std::string text;  // NAME and TEXT, without the bars
  Place at;
  int length;       // in bytes, bars included
  int scannerline;  // the line the library's reports give it, counted from 0
  bool unclosed;    // a TEXT without its closing bar
};

// Every token of the file, then one of code 0 at the end. The scanner's reports count
// lines from 0 and do not count the line end that an unclosed text takes in; each
// token knows its line both ways.
std::vector<Token> tokenize(const Source& source);

// Whether the code is a statement word.
bool isstatementword(int code);

// "button", "labels", "palette entry" ...: a statement by its first token.
std::string statementname(const Token& first);

// Every statement word as it is spelled.
std::vector<std::string> statementwords();

// The name with "A" to "Z" in lower case, as the library compares names: a key under
// which the library's look-up finds it.
std::string folded(std::string name);

// A name in quotes for a message, cut when it is long.
std::string quoted(const std::string& name);

// What a token is, for "found ..." in a message: "the number 12", "the name 'x'".
std::string describe(const Token& token);

}  // namespace vxtool
