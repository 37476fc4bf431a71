#include <QCoreApplication>
#include <gtest/gtest.h>

// Services need an event loop for timers, queued deliveries and network replies.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
