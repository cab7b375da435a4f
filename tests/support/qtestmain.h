// main() for GoogleTest suites that need a QApplication.
#pragma once

#include <QApplication>

#include <gtest/gtest.h>

#define VORLANE_GTEST_QT_MAIN                                                                      \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        ::testing::InitGoogleTest(&argc, argv);                                                    \
        return RUN_ALL_TESTS();                                                                    \
    }
