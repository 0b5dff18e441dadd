// What a failure tells the user.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace quadrel::testing {

// The message of the exception of type Error that `run` throws; a test
// failure when it throws none.
template <typename Error, typename Run>
std::string ErrorOf(Run run) {
    try {
        run();
    } catch (const Error& error) {
        return error.what();
    }
    ADD_FAILURE() << "no exception thrown";
    return {};
}

}  // namespace quadrel::testing
