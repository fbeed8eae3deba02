#include "programmer/OperationGuard.h"

#include <gtest/gtest.h>

TEST(OperationGuard, RefusesNestedOperationsAndDefersProbesToTheEnd)
{
    int probes = 0;
    OperationGuard guard([&] { ++probes; });
    {
        const OperationGuard::Scope outer(guard);
        ASSERT_TRUE(outer);
        {
            const OperationGuard::Scope inner(guard);
            EXPECT_FALSE(inner);
        }
        // The refused inner scope must not end the outer operation.
        EXPECT_TRUE(guard.busy());
        guard.requestProbe();
        guard.requestProbe();
        EXPECT_EQ(probes, 0);
    }
    // Held-back checks collapse into one, run once the operation is over.
    EXPECT_EQ(probes, 1);
    EXPECT_FALSE(guard.busy());
    guard.requestProbe();
    EXPECT_EQ(probes, 2);
}

TEST(OperationGuard, ProbeRunsUnderTheGuardItself)
{
    bool busyDuringProbe = false;
    OperationGuard* self = nullptr;
    OperationGuard guard([&] { busyDuringProbe = self->busy(); });
    self = &guard;
    guard.requestProbe();
    EXPECT_TRUE(busyDuringProbe);
}
