// The argument loop every command shares.
#include "arguments.h"

#include "commands.h"

namespace vxtool {

Arguments& Arguments::flag(std::string name, std::function<void()> set) {
  options_.push_back({std::move(name), false, false, [set = std::move(set)](std::string_view) {
                        set();
                        return std::string();
                      }});
  return *this;
}

Arguments& Arguments::valued(std::string name, Take take) {
  options_.push_back({std::move(name), true, false, std::move(take)});
  return *this;
}

Arguments& Arguments::prefixed(std::string start, Take take) {
  options_.push_back({std::move(start), false, true, std::move(take)});
  return *this;
}

Arguments& Arguments::operands(std::vector<const char*>& into, std::size_t least, std::size_t most,
                               const char* missing) {
  operands_ = &into;
  least_ = least;
  most_ = most;
  missing_ = missing;
  return *this;
}

const Arguments::Option* Arguments::find(std::string_view arg) const {
  for (const Option& option : options_)
    if (option.prefix ? arg.starts_with(option.name) : arg == option.name) return &option;
  return nullptr;
}

std::optional<int> Arguments::parse(int argc, char** argv) const {
  auto misused = [&](const std::string& problem) { return misuse(command_, problem, usage_); };
  for (int i = 0; i < argc; i++) {
    std::string arg = argv[i];
    if (ishelp(arg)) return help(usage_);
    // A lone "-" is an operand, as it is to most commands.
    if (arg.size() > 1 && arg[0] == '-') {
      const Option* option = find(arg);
      if (option == nullptr) return misused("unknown option '" + arg + "'");
      if (option->value && i + 1 == argc) return misused(arg + " needs a value");
      // Views of the arguments themselves, which outlive the command.
      std::string problem = option->take(option->value ? argv[++i] : argv[i]);
      if (!problem.empty()) return misused(problem);
    } else if (operands_ == nullptr || operands_->size() == most_ || arg.empty()) {
      return misused("unexpected argument '" + arg + "'");
    } else {
      operands_->push_back(argv[i]);
    }
  }
  if (operands_ != nullptr && operands_->size() < least_) return misused(missing_);
  return std::nullopt;
}

Arguments::Take colorsvalue(int& colors) {
  return [&colors](std::string_view value) {
    // Built by appending: GCC 12 at -O3 warns falsely about a literal put in front of a
    // temporary string.
    if (value != "16" && value != "256")
      return std::string("--colors takes 16 or 256, not '").append(value).append("'");
    colors = value == "16" ? 16 : 256;
    return std::string();
  };
}

}  // namespace vxtool
