#include <gtest/gtest.h>

#include <QCoreApplication>

// Translators, application folders and installed translations need an application object.
int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
