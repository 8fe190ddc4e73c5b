#include "batch_arguments.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace dorx::batch {

std::optional<std::string> Arguments::Value(const std::string& option) const {
  const auto found = values.find(option);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

ParseResult ParseArguments(const std::vector<std::string>& args, const VerbSyntax& syntax) {
  ParseResult result;
  Arguments& out = result.arguments;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      out.positional.push_back(arg);
      continue;
    }
    std::string name = arg;
    std::optional<std::string> value;
    if (const size_t equals = arg.find('='); equals != std::string::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
    }
    if (syntax.flag_options.count(name)) {
      if (value) return {out, "option " + name + " takes no value"};
      out.flags.insert(name);
      continue;
    }
    const bool repeated = syntax.repeated_options.count(name) != 0;
    if (!repeated && !syntax.value_options.count(name)) return {out, "unknown option " + name};
    if (!value) {
      if (i + 1 >= args.size()) return {out, "option " + name + " needs a value"};
      value = args[++i];
    }
    if (repeated) out.repeated[name].push_back(*value);
    else out.values[name] = *value;
  }
  if (out.positional.empty()) return {out, "missing " + syntax.positional_name};
  if (out.positional.size() > 1 && !syntax.many_positionals) return {out, "unexpected argument " + out.positional[1]};
  for (const std::string& required : syntax.required_options)
    if (!out.values.count(required)) return {out, "option " + required + " is required"};
  return result;
}

std::optional<double> ParseNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::pair<int, int>> ParsePixel(const std::string& text) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const auto whole = [](const std::string& part) -> std::optional<int> {
    if (part.empty() || part.size() > 9) return std::nullopt;
    size_t start = part[0] == '-' ? 1 : 0;
    if (start == part.size()) return std::nullopt;
    for (size_t i = start; i < part.size(); ++i)
      if (part[i] < '0' || part[i] > '9') return std::nullopt;
    return std::atoi(part.c_str());
  };
  const auto x = whole(text.substr(0, comma));
  const auto y = whole(text.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return std::pair{*x, *y};
}

}  // namespace dorx::batch
