// Session folders: made under a hidden name, locked, then renamed into view, so that a folder
// seen by another program is always locked while its program runs. The lock is flock() on a
// file in the folder, which the system lets go when the program ends however it ends.
#include "recovery/RecoveryStore.h"

#include "files/FileErrors.h"
#include "files/FileReader.h"
#include "files/SafeFileWriter.h"
#include "text/TextConstants.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {

namespace fs = std::filesystem;

namespace {

constexpr const char* kAppDataFolder = "Tessaly Studios/ORVANTE/recovery";
constexpr const char* kLockFile = "lock";
constexpr const char* kSignalTempExtension = ".signal";
// Room for the fields around the text: the path, the title and the names.
constexpr std::int64_t kMaxHeaderBytes = 64 * 1024;

// The lock of a session folder, or -1 when another program holds it (or it cannot be opened).
int tryLock(const std::string& folder)
{
    const int fd = ::open((folder + "/" + kLockFile).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The document number of a recovery file's name ("12.orvrec"), or -1.
int documentNumber(const std::string& name)
{
    if (!name.ends_with(kRecoveryFileExtension))
        return -1;
    const std::string_view digits(name.data(), name.size() - std::string_view(kRecoveryFileExtension).size());
    int n = -1;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return ec == std::errc() && end == digits.data() + digits.size() && !digits.empty() ? n : -1;
}

// Calls visit with each entry of a folder; a folder that cannot be read has none.
template <typename Visit>
void forEachEntry(const std::string& folder, Visit visit)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        visit(*it);
}

std::string uniqueName()
{
    static std::atomic<unsigned> counter{0};
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const auto stamp = static_cast<unsigned long long>(now.tv_sec) * 1000000000ULL +
                       static_cast<unsigned long long>(now.tv_nsec) + counter.fetch_add(1);
    char hex[17];
    const auto end = std::to_chars(hex, hex + sizeof hex - 1, stamp, 16).ptr;
    return std::to_string(::getpid()) + "-" + std::string(hex, end);
}

} // namespace

std::string recoveryRoot(const char* xdgDataHome, const char* home)
{
    std::string dataHome;
    if (xdgDataHome && xdgDataHome[0] == '/')
        dataHome = xdgDataHome;
    else if (home && home[0] == '/')
        dataHome = std::string(home) + "/.local/share";
    else
        return {};
    return dataHome + "/" + kAppDataFolder;
}

RecoverySession::RecoverySession(std::string root) : m_root(std::move(root)), m_name(uniqueName()) {}

RecoverySession::~RecoverySession()
{
    if (m_folder.empty())
        return;
    bool holdsDocuments = false;
    forEachEntry(m_folder, [&holdsDocuments](const fs::directory_entry& entry) {
        holdsDocuments = holdsDocuments || documentNumber(entry.path().filename().string()) >= 0;
    });
    if (!holdsDocuments) {
        std::error_code ec;
        // The folder goes before the lock is let go, so nobody takes over a folder half removed.
        fs::remove_all(m_folder, ec);
    }
    ::close(m_lock);
}

bool RecoverySession::ensureFolder(std::string& error)
{
    if (!m_folder.empty())
        return true;
    if (m_root.empty()) {
        error = "no folder for recovery files: neither XDG_DATA_HOME nor HOME names one";
        return false;
    }
    std::error_code ec;
    fs::create_directories(m_root, ec);
    const std::string hidden = m_root + "/." + m_name;
    const std::string folder = m_root + "/" + m_name;
    if (::mkdir(hidden.c_str(), 0700) != 0) {
        error = fileError("cannot make the recovery folder", hidden, errno);
        return false;
    }
    m_lock = tryLock(hidden);
    if (m_lock < 0 || ::rename(hidden.c_str(), folder.c_str()) != 0) {
        error = fileError("cannot make the recovery folder", folder, errno);
        if (m_lock >= 0)
            ::close(m_lock);
        m_lock = -1;
        fs::remove_all(hidden, ec);
        return false;
    }
    m_folder = folder;
    return true;
}

std::string RecoverySession::filePath(int n) const
{
    return m_root + "/" + m_name + "/" + std::to_string(n) + kRecoveryFileExtension;
}

std::string RecoverySession::signalTempPath(int n) const
{
    return filePath(n) + kSignalTempExtension;
}

bool RecoverySession::write(int n, std::string_view bytes, std::string& error)
{
    return ensureFolder(error) && writeWholeFile(filePath(n), bytes, error);
}

void RecoverySession::remove(int n)
{
    if (m_folder.empty())
        return;
    ::unlink(filePath(n).c_str());
    ::unlink(signalTempPath(n).c_str());
}

AbandonedSession::AbandonedSession(AbandonedSession&& other) noexcept
    : m_folder(std::move(other.m_folder)),
      m_lock(std::exchange(other.m_lock, -1)),
      m_entries(std::move(other.m_entries)),
      m_damaged(std::move(other.m_damaged))
{
}

AbandonedSession& AbandonedSession::operator=(AbandonedSession&& other) noexcept
{
    if (this != &other) {
        unlock();
        m_folder = std::move(other.m_folder);
        m_lock = std::exchange(other.m_lock, -1);
        m_entries = std::move(other.m_entries);
        m_damaged = std::move(other.m_damaged);
    }
    return *this;
}

AbandonedSession::~AbandonedSession()
{
    unlock();
}

void AbandonedSession::unlock()
{
    if (m_lock >= 0)
        ::close(m_lock);
    m_lock = -1;
}

void AbandonedSession::read()
{
    std::vector<std::pair<int, std::string>> files;
    forEachEntry(m_folder, [&files](const fs::directory_entry& entry) {
        std::error_code ec;
        if (const int n = documentNumber(entry.path().filename().string()); n >= 0 && entry.is_regular_file(ec))
            files.emplace_back(n, entry.path().string());
    });
    std::sort(files.begin(), files.end());
    for (const auto& [n, file] : files) {
        std::string problem;
        const std::optional<std::string> bytes =
            readWholeFile(file, text_limits::kMaxFileSize + kMaxHeaderBytes, problem);
        RecoveryFileRead read;
        if (bytes)
            read = parseRecoveryFile(*bytes);
        if (read.document) {
            struct stat info {};
            const std::int64_t writtenAt = ::stat(file.c_str(), &info) == 0 ? info.st_mtim.tv_sec : 0;
            m_entries.push_back({file, writtenAt, std::move(*read.document)});
            continue;
        }
        // Set aside under another name: kept for whoever wants to look, not offered again.
        const std::string aside = file + kDamagedRecoveryExtension;
        std::rename(file.c_str(), aside.c_str());
        m_damaged.push_back({aside, bytes ? read.problem : problem});
    }
}

bool AbandonedSession::setAside(const RecoveryEntry& entry)
{
    return std::rename(entry.file.c_str(), (entry.file + kDamagedRecoveryExtension).c_str()) == 0;
}

void AbandonedSession::discard()
{
    forEachEntry(m_folder, [](const fs::directory_entry& entry) {
        std::error_code ec;
        if (!entry.path().filename().string().ends_with(kDamagedRecoveryExtension))
            fs::remove(entry.path(), ec);
    });
    // Still there when files were set aside in it.
    std::error_code ec;
    fs::remove(m_folder, ec);
    m_entries.clear();
    unlock();
}

std::vector<AbandonedSession> claimAbandonedSessions(const std::string& root, const std::string& ownName)
{
    std::vector<AbandonedSession> sessions;
    forEachEntry(root, [&sessions, &ownName](const fs::directory_entry& entry) {
        const std::string name = entry.path().filename().string();
        std::error_code ec;
        // A hidden folder is one being made: its program locks it before it shows it.
        if (name.starts_with('.') || name == ownName || !entry.is_directory(ec))
            return;
        const int lock = tryLock(entry.path().string());
        if (lock < 0)
            return;
        AbandonedSession session(entry.path().string(), lock);
        session.read();
        if (session.entries().empty() && session.damaged().empty())
            session.discard();
        else
            sessions.push_back(std::move(session));
    });
    return sessions;
}

} // namespace orv
