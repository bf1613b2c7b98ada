#include "framework/system/ScopedChange.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {

struct TProbe {
    int Value() const { return FValue; }
    void SetValue(int value) {
        FValue = value;
        Log.push_back(value);
    }
    int FValue = 1;
    std::vector<int> Log;
};

// Variables and properties get their old value back however the scope ends, nested scopes
// restoring in reverse order.
TEST(ScopedChangeTest, RestoresVariablesAndPropertiesOnEveryWayOut) {
    bool flag = false;
    TProbe probe;
    try {
        TScopedChange outer(flag, true);
        TScopedChange value(&probe, &TProbe::Value, &TProbe::SetValue, 5);
        EXPECT_TRUE(flag);
        EXPECT_EQ(probe.Value(), 5);
        {
            TScopedChange inner(flag, false);
            TScopedChange again(&probe, &TProbe::Value, &TProbe::SetValue, 7);
            EXPECT_FALSE(flag);
        }
        EXPECT_TRUE(flag);
        throw std::runtime_error("out");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(flag);
    EXPECT_EQ(probe.Value(), 1);
    EXPECT_EQ(probe.Log, (std::vector<int>{5, 7, 5, 1}));
}

} // namespace
