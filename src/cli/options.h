// The option parser both programs share: the command line's commands and
// the desktop program's window and screenshots.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quadrel {

// A command line that cannot be run as given; it is told with the usage.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options one command takes. Every option but a flag takes a value and
// may be given once; a repeatable one again and again.
struct OptionRules {
    std::set<std::string> Allowed;
    std::set<std::string> Repeatable;
    std::set<std::string> Flags;
};

// Option name to value (a flag's is empty); a repeated option holds one
// entry per time given.
using Options = std::multimap<std::string, std::string>;

// "--name value" and "--name=value" options from `arguments[first]` on.
// Throws UsageError naming the first option that does not fit `accepted`.
Options ParseOptions(const std::vector<std::string>& arguments, std::size_t first,
                     const OptionRules& accepted);

// A whole number, or UsageError naming the option and the text.
int ParseWholeNumber(const std::string& option, const std::string& text);

// The option's value, or nothing when it was not given.
std::optional<std::string> OptionalOption(const Options& options, const std::string& name);

// "--set"-style options: a whole number when given.
std::optional<int> NumberOption(const Options& options, const std::string& name);

// The option's value, or UsageError with `usage` when it was not given.
const std::string& RequiredOption(const Options& options, const std::string& name,
                                  const std::string& usage);

}  // namespace quadrel
