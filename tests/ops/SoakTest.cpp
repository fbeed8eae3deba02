#include "SoakRun.h"

#include "sim/SimClient.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iostream>

// A few hundred random steps with fixed seeds: every family and size class, every command,
// time-outs, short transfers, unplugs and empty sockets. bench/ops runs the long version with a
// fresh seed.
class SoakTest : public ::testing::TestWithParam<quint32> {
protected:
    static constexpr int Steps = 150;
};

TEST_P(SoakTest, EveryPromiseHoldsThroughRandomCommandsAndFaults)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SimClient sim(ZORVEX_SIM_LIBRARY);
    ASSERT_TRUE(sim.ok());
    const long violations = sim.violations();

    const SoakReport report = runSoak(ZORVEX_SIM_LIBRARY, dir.path(), GetParam(), Steps);
    std::cout << soakSummary(report) << "\n";
    std::string failures;
    for (const std::string& failure : report.failures)
        failures += failure + "\n";
    EXPECT_TRUE(report.failures.empty()) << failures;
    EXPECT_EQ(report.steps, Steps);
    EXPECT_EQ(sim.violations(), violations) << "the simulator traced protocol violations";
    // The run reached the paths it is there for.
    for (const char* what : {"completed", "stopped", "fault hit timeout", "fault hit short", "fault hit unplug"})
        EXPECT_GT(report.counts.count(what) ? report.counts.at(what) : 0, 0) << what;
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, SoakTest, ::testing::Values(1u, 2u, 3u, 4u));
