// A Qt Test main that gives each test program its own empty config and data folders, so profile
// values and recovery files never touch the user's nor leak from one program to the next.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

namespace orv::test {

template <typename TestClass>
int runGuiTest(int argc, char** argv)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestClass test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace orv::test

#define ORVANTE_GUI_TEST_MAIN(TestClass)                        \
    int main(int argc, char** argv)                             \
    {                                                           \
        return orv::test::runGuiTest<TestClass>(argc, argv);    \
    }
