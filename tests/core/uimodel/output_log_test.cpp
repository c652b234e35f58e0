// The message log's text rules.
#include "uimodel/OutputLog.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(OutputLog, NewlinesBecomeCrLfAndKeepFalseReplaces)
{
    OutputLog log;
    int changes = 0;
    log.setChangedHandler([&] { ++changes; });
    log.AppendText("one\ntwo");
    EXPECT_EQ(log.text(), "one\r\ntwo");
    log.AppendText("\r\nthree\n");
    EXPECT_EQ(log.text(), "one\r\ntwo\r\r\nthree\r\n");
    log.AppendText("a\nb", false);
    EXPECT_EQ(log.text(), "a\r\nb");
    log.Clear();
    EXPECT_EQ(log.text(), "");
    EXPECT_EQ(changes, 4);
}
