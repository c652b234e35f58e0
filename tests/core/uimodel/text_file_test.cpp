// Whole-file reading and replacing for window files and exported scripts.
#include "uimodel/TextFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

using namespace orv;
namespace fs = std::filesystem;

namespace {

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("orvante_textfile_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path m_dir;
};

} // namespace

TEST_F(TextFileTest, ReplacingWritesTheWholeFileAndLeavesNoTemporaryFile)
{
    const std::string path = (m_dir / "a.mel").string();
    { std::ofstream(path) << "old"; }
    ASSERT_TRUE(writeFileReplacing(path, std::string("new\r\n\0bytes", 11)));
    EXPECT_EQ(readWholeFile(path), std::string("new\r\n\0bytes", 11));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, ReplacingIntoAMissingFolderFailsAndCreatesNothing)
{
    EXPECT_FALSE(writeFileReplacing((m_dir / "no" / "a.mel").string(), "x"));
    EXPECT_FALSE(fs::exists(m_dir / "no"));
}

TEST_F(TextFileTest, OnlyRegularFilesAreRead)
{
    // A pipe would block forever and a folder holds no bytes: both are refused at once.
    const fs::path fifo = m_dir / "pipe.wnd";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(readWholeFile(fifo.string()).has_value());
    EXPECT_FALSE(readWholeFile(m_dir.string()).has_value());
    EXPECT_FALSE(readWholeFile((m_dir / "missing.wnd").string()).has_value());
}
