#include "cli/options.h"

#include <charconv>
#include <system_error>

namespace quadrel {

Options ParseOptions(const std::vector<std::string>& arguments, std::size_t first,
                     const OptionRules& accepted) {
    Options options;
    for (std::size_t i = first; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != name.npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (accepted.Allowed.count(name) == 0) throw UsageError("unknown option '" + name + "'");
        if (accepted.Flags.count(name) != 0) {
            if (value) throw UsageError(name + " takes no value");
            value = "";
        } else if (!value) {
            if (i + 1 >= arguments.size()) throw UsageError(name + " needs a value");
            value = arguments[++i];
        }
        if (accepted.Repeatable.count(name) == 0 && options.count(name) != 0) {
            throw UsageError(name + " is given twice");
        }
        options.emplace(name, *value);
    }
    return options;
}

int ParseWholeNumber(const std::string& option, const std::string& text) {
    int number = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || ptr != text.data() + text.size()) {
        throw UsageError(option + " needs a whole number, not '" + text + "'");
    }
    return number;
}

std::optional<std::string> OptionalOption(const Options& options, const std::string& name) {
    const auto option = options.find(name);
    if (option == options.end()) return std::nullopt;
    return option->second;
}

std::optional<int> NumberOption(const Options& options, const std::string& name) {
    const auto option = options.find(name);
    if (option == options.end()) return std::nullopt;
    return ParseWholeNumber(name, option->second);
}

const std::string& RequiredOption(const Options& options, const std::string& name,
                                  const std::string& usage) {
    const auto option = options.find(name);
    if (option == options.end()) throw UsageError(usage);
    return option->second;
}

}  // namespace quadrel
