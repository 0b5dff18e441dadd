#include "base/source_date.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quadrel {

std::optional<std::string> SourceDateEpochDay() {
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch == nullptr || *epoch == 0) return std::nullopt;
    const std::string_view text(epoch);
    long long seconds = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    // Beyond the year 9999 a date no longer has four digits.
    constexpr long long LastSecond = 253'402'300'799;
    if (error != std::errc() || ptr != text.data() + text.size() || seconds < 0 ||
        seconds > LastSecond) {
        throw SourceDateError("SOURCE_DATE_EPOCH must be a whole number of seconds, not '" +
                              std::string(text) + "'");
    }
    const std::chrono::sys_days day{std::chrono::days{seconds / 86'400}};
    const std::chrono::year_month_day date{day};
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return std::string(buffer);
}

}  // namespace quadrel
