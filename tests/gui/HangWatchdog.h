// A watchdog for a random run: a thread of its own that ends the process with the newest events
// and every thread's stack when the window thread has not come back from an event for too long
// (a dead lock, an endless loop, or a nested event loop that nothing ends).
#pragma once

#include "EventLog.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

#include <unistd.h>

namespace orv::test {

class HangWatchdog {
public:
    using Clock = std::chrono::steady_clock;
    // The status of a process ended by the watchdog.
    static constexpr int kExitStatus = 3;

    HangWatchdog(const EventLog& log, std::chrono::seconds limit) : m_log(log), m_limit(limit)
    {
        beat();
        m_thread = std::thread([this] { watch(); });
    }
    ~HangWatchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    HangWatchdog(const HangWatchdog&) = delete;
    HangWatchdog& operator=(const HangWatchdog&) = delete;

    // The window thread made progress: an event started or came back.
    void beat() { m_lastBeat.store(Clock::now().time_since_epoch().count()); }

private:
    void watch()
    {
        std::unique_lock lock(m_mutex);
        while (!m_stopping) {
            m_wake.wait_for(lock, std::chrono::milliseconds(250));
            const auto since = Clock::now() - Clock::time_point(Clock::duration(m_lastBeat.load()));
            if (!m_stopping && since > m_limit)
                fail(std::chrono::duration_cast<std::chrono::seconds>(since).count());
        }
    }

    [[noreturn]] void fail(long long seconds) const
    {
        const Clock::rep lastBeat = m_lastBeat.load();
        std::fprintf(stderr, "HANG: no event came back in %lld s; the newest events:\n%s", seconds,
                     m_log.newest().c_str());
        // Every thread's stack shows where the window thread waits, when a debugger is at hand.
        const std::string stacks = "gdb -p " + std::to_string(getpid()) +
                                   " -batch -ex 'thread apply all bt 40' 1>&2 2>/dev/null";
        if (std::system("command -v gdb >/dev/null 2>&1") == 0 && std::system(stacks.c_str()) != 0)
            std::fprintf(stderr, "(the stacks could not be read)\n");
        if (m_lastBeat.load() != lastBeat)
            std::fprintf(stderr, "The window thread came back while the stacks were read: a slow event, not a dead one.\n");
        std::fflush(stderr);
        _exit(kExitStatus);
    }

    const EventLog& m_log;
    const std::chrono::seconds m_limit;
    std::atomic<Clock::rep> m_lastBeat{0};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace orv::test
