// The argument loop every command shares: its options, with a value or without, and its
// operands; a request for help, and every mistake, answered with the command's usage.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vxtool {

class Arguments {
 public:
  // What an option does with its value, or with the whole argument of a prefixed one:
  // an empty string, or the problem to tell the user.
  using Take = std::function<std::string(std::string_view)>;

  Arguments(const char* command, const char* usage) : command_(command), usage_(usage) {}

  // An option on its own.
  Arguments& flag(std::string name, std::function<void()> set);
  // An option with a value, the next argument.
  Arguments& valued(std::string name, Take take);
  // Every option that starts so, handed whole.
  Arguments& prefixed(std::string start, Take take);
  // The operands, from `least` to `most` of them; `missing` says what too few lack.
  Arguments& operands(std::vector<const char*>& into, std::size_t least, std::size_t most,
                      const char* missing);

  // Reads the arguments. A status to end the command with, 0 after -h or --help (the
  // usage on standard output) and 2 after a mistake (the problem and the usage on
  // standard error); nothing when the command goes on.
  std::optional<int> parse(int argc, char** argv) const;

 private:
  struct Option {
    std::string name;
    bool value;
    bool prefix;
    Take take;
  };
  const Option* find(std::string_view arg) const;

  const char* command_;
  const char* usage_;
  std::vector<Option> options_;
  std::vector<const char*>* operands_ = nullptr;
  std::size_t least_ = 0, most_ = 0;
  const char* missing_ = "";
};

// --colors: 16 or 256.
Arguments::Take colorsvalue(int& colors);

}  // namespace vxtool
