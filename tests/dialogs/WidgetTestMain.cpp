#include <QApplication>
#include <gtest/gtest.h>

// Widget tests need one application object for the whole run, created before any widget.
// Test discovery at build time only lists the tests and must not need a display.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
