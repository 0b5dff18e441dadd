// The date a drawing prints when it must come out the same byte for byte
// on every run: the day of SOURCE_DATE_EPOCH.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace quadrel {

// A SOURCE_DATE_EPOCH that is no whole number of seconds since 1970.
class SourceDateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The UTC day of SOURCE_DATE_EPOCH as YYYY-MM-DD; nothing when the variable
// is unset or empty. Throws SourceDateError for a malformed value.
std::optional<std::string> SourceDateEpochDay();

}  // namespace quadrel
