// The log of a random run: one numbered line per event, written through to a file as it happens
// (so a crash leaves it whole) and the newest lines kept in memory for a report from any thread.
#pragma once

#include <QString>

#include <cstdio>
#include <deque>
#include <mutex>
#include <string>

namespace orv::test {

class EventLog {
public:
    static constexpr std::size_t kKeptLines = 60;

    // Lines also go to the file at path (appended) when path is not empty; heading (the run
    // and how to replay it) is the first line, and the first of every report.
    EventLog(const QString& path, const QString& heading) : m_heading(heading.toStdString())
    {
        if (!path.isEmpty())
            m_file = std::fopen(path.toLocal8Bit().constData(), "a");
        if (m_file) {
            std::fputs((m_heading + '\n').c_str(), m_file);
            std::fflush(m_file);
        }
    }
    ~EventLog()
    {
        if (m_file)
            std::fclose(m_file);
    }
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    void write(const QString& line)
    {
        const std::string text = line.toStdString();
        const std::lock_guard lock(m_mutex);
        if (m_file) {
            std::fputs(text.c_str(), m_file);
            std::fputc('\n', m_file);
            std::fflush(m_file);
        }
        m_newest.push_back(text);
        if (m_newest.size() > kKeptLines)
            m_newest.pop_front();
    }

    // The heading and the newest lines, oldest first, one a line; safe from another thread.
    std::string newest() const
    {
        const std::lock_guard lock(m_mutex);
        std::string text = m_heading + '\n';
        for (const std::string& line : m_newest)
            text += "  " + line + '\n';
        return text;
    }

private:
    const std::string m_heading;
    mutable std::mutex m_mutex;
    std::deque<std::string> m_newest;
    std::FILE* m_file = nullptr;
};

} // namespace orv::test
