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

// The log is UTF-8 whatever it is given: UTF-8 stays as it is, other bytes are Windows-1252.
TEST(OutputLog, KeepsUtf8)
{
    OutputLog log;
    log.AppendText("Gr\xc3\xb6\xc3\x9f" "e \xe5\xaf\xb8\n");
    log.AppendText("caf\xe9 \x80\n");
    EXPECT_EQ(log.text(), "Gr\xc3\xb6\xc3\x9f" "e \xe5\xaf\xb8\r\ncaf\xc3\xa9 \xe2\x82\xac\r\n");
}
