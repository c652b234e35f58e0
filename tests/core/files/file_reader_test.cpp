// The one file reader: what it reads, what it refuses at once and why, in blocks and whole.
#include "files/FileReader.h"
#include "files/SafeFileWriter.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

using namespace orv;
namespace fs = std::filesystem;

namespace {

class FileReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "orvreadXXXXXX").string();
        m_dir = ::mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string file(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(m_dir / name, std::ios::binary) << bytes;
        return (m_dir / name).string();
    }

    fs::path m_dir;
};

} // namespace

TEST_F(FileReaderTest, WholeFilesRoundTripByteForByte)
{
    const std::string bytes("new\r\n\0bytes", 11);
    std::string error;
    ASSERT_TRUE(writeWholeFile((m_dir / "a.mel").string(), bytes, error)) << error;
    EXPECT_EQ(readWholeFile((m_dir / "a.mel").string(), 11, error), bytes);
    EXPECT_EQ(readWholeFile(file("empty", ""), 0, error), "");
}

TEST_F(FileReaderTest, WhatIsNotARegularFileWithinTheLimitIsRefusedAtOnceWithItsReason)
{
    // A pipe would block forever and a device never ends: both are refused before a read.
    const fs::path fifo = m_dir / "pipe.wnd";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string path;
        std::int64_t limit;
        std::string reason;
    } cases[] = {
        {fifo.string(), 100, "cannot read \"" + fifo.string() + "\": not a regular file"},
        {"/dev/zero", 100, "cannot read \"/dev/zero\": not a regular file"},
        {m_dir.string(), 100, "cannot read \"" + m_dir.string() + "\": not a regular file"},
        {(m_dir / "missing").string(), 100, "cannot open \"" + (m_dir / "missing").string() + "\": No such file or directory"},
        {file("big", std::string(101, 'x')), 100, "\": the file is too large (100 bytes at most)"},
        {file("big", std::string(3 << 20, 'x')), 1 << 20, "\": the file is too large (1 MiB at most)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::string error;
        EXPECT_FALSE(readWholeFile(c.path, c.limit, error).has_value());
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        FileReader reader;
        EXPECT_FALSE(reader.open(c.path, c.limit));
        EXPECT_EQ(reader.error(), error);
    }
}

TEST_F(FileReaderTest, BlocksAreFullUpToTheEndAndTheStartOfALargeFileCanBeKept)
{
    const std::string bytes = std::string(70000, 'a') + "end";
    const std::string path = file("blocks", bytes);
    FileReader reader;
    ASSERT_TRUE(reader.open(path, 1 << 20));
    EXPECT_EQ(reader.size(), 70003);
    std::vector<std::size_t> sizes;
    std::string again;
    for (auto block = reader.readBlock(32768); block && !block->empty(); block = reader.readBlock(32768)) {
        sizes.push_back(block->size());
        again += *block;
    }
    EXPECT_EQ(sizes, (std::vector<std::size_t>{32768, 32768, 4467}));
    EXPECT_EQ(again, bytes);

    std::string error;
    EXPECT_EQ(readFileStart(path, 10, error), std::string(10, 'a'));
    EXPECT_EQ(readFileStart(path, 1 << 20, error), bytes);
    EXPECT_FALSE(readFileStart((m_dir / "missing").string(), 10, error).has_value());
}

TEST_F(FileReaderTest, WritableSaysWhetherTheFileMayBeWritten)
{
    const std::string path = file("a", "x");
    FileReader reader;
    ASSERT_TRUE(reader.open(path, 10));
    EXPECT_TRUE(reader.writable());
    fs::permissions(path, fs::perms::owner_read);
    ASSERT_TRUE(reader.open(path, 10));
    EXPECT_FALSE(reader.writable());
}
