#include <QApplication>
#include <gtest/gtest.h>

// Widgets need a QApplication, not the core application of the shared test main; defining main here
// keeps the support library's main out of this executable.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
