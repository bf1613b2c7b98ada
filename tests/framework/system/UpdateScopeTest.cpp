#include "framework/system/UpdateScope.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

// The end runs once however the scope ends, nested scopes ending in reverse order, and a failing
// begin has none. A failing end throws on a normal exit and gives way to a failure that is
// already unwinding the scope.
TEST(UpdateScopeTest, EndsOnEveryWayOutAndKeepsTheFirstFailure) {
    std::string log;
    const auto note = [&log](char c) { return [&log, c] { log += c; }; };
    try {
        TUpdateScope outer(note('('), note(')'));
        TUpdateScope inner(note('['), note(']'));
        throw std::runtime_error("body");
    } catch (const std::runtime_error&) {
        log += '!';
    }
    EXPECT_THROW(TUpdateScope failed([] { throw std::runtime_error("begin"); }, note('x')),
                 std::runtime_error);
    EXPECT_EQ(log, "([])!");

    const auto failingEnd = [] { throw std::logic_error("end"); };
    EXPECT_THROW({ TUpdateScope scope([] {}, failingEnd); }, std::logic_error);
    EXPECT_THROW(
        {
            TUpdateScope scope([] {}, failingEnd);
            throw std::runtime_error("body");
        },
        std::runtime_error);
}

} // namespace
