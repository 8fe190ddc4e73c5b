#pragma once
// The command line of dorx-batch: a verb, its positional arguments and its
// options ("--name value", "--name=value" or a bare flag).
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace dorx::batch {

struct VerbSyntax {
  std::set<std::string> value_options;     // take a value
  std::set<std::string> flag_options;      // take none
  std::set<std::string> repeated_options;  // take a value, may be given more than once
  std::set<std::string> required_options;
  std::string positional_name;             // the file argument, as the usage names it
  bool many_positionals = false;           // more than one file argument allowed
};

struct Arguments {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
  std::map<std::string, std::vector<std::string>> repeated;

  bool Has(const std::string& option) const { return values.count(option) || flags.count(option); }
  std::optional<std::string> Value(const std::string& option) const;
};

// The arguments after the verb; a message naming the fault when they do not
// fit the syntax.
struct ParseResult {
  Arguments arguments;
  std::string error;  // empty when the arguments fit
};
ParseResult ParseArguments(const std::vector<std::string>& args, const VerbSyntax& syntax);

// The whole text is one decimal number (as strtod reads it, no trailing text).
std::optional<double> ParseNumber(const std::string& text);
// "X,Y" with two decimal integers.
std::optional<std::pair<int, int>> ParsePixel(const std::string& text);

}  // namespace dorx::batch
