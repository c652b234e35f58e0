// Helpers of the text engine tests: a throw-away folder, whole-file reads and writes, and
// a buffer filled with given lines.
#pragma once

#include "text/CTextBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orv::test {

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvtextXXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string file(const std::string& name) const { return (m_path / name).string(); }
    const std::filesystem::path& path() const { return m_path; }

    // The names of the files in the folder, sorted.
    std::vector<std::string> names() const
    {
        std::vector<std::string> all;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            all.push_back(entry.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }

private:
    std::filesystem::path m_path;
};

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The buffer's lines, for comparing with an expected list.
inline std::vector<std::string> linesOf(const CTextBuffer& buffer)
{
    std::vector<std::string> lines;
    for (int i = 0; i < buffer.LineCount(); ++i)
        lines.emplace_back(buffer.LineText(i));
    return lines;
}

// A fresh buffer holding `text` (CR LF between lines), with an empty undo history.
inline void fill(CTextBuffer& buffer, const std::string& text)
{
    buffer.LoadBytes(text, static_cast<int>(LineEnd::crLf));
}

} // namespace orv::test
