#include "app/ZorvexApplication.h"

#include <gtest/gtest.h>

// One application object for the whole run. Test discovery at build time only lists the tests
// and must not need a display.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ZorvexApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
