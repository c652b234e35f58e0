// A Qt Test main that gives each test program its own empty config folder, so profile
// values never touch the user's settings nor leak from one program to the next.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#define ORVANTE_GUI_TEST_MAIN(TestClass)                                   \
    int main(int argc, char** argv)                                        \
    {                                                                      \
        QTemporaryDir configHome;                                          \
        qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                \
            qputenv("QT_QPA_PLATFORM", "offscreen");                       \
        QApplication app(argc, argv);                                      \
        TestClass test;                                                    \
        return QTest::qExec(&test, argc, argv);                            \
    }
