// Where recovery files are kept and whose they are: each running program has a folder of its
// own under the recovery folder, named after its process and locked for as long as it runs,
// holding one file a document with unsaved changes. A folder whose lock is free belongs to a
// program that ended without clearing it; the next program to start takes it over.
#pragma once

#include "recovery/RecoveryFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

inline constexpr const char* kRecoveryFileExtension = ".orvrec";
// What a recovery file that cannot be read is renamed to end with: kept, but not offered again.
inline constexpr const char* kDamagedRecoveryExtension = ".damaged";

// "<data home>/Tessaly Studios/ORVANTE/recovery", beside the settings' folder in the config home.
// The data home is $XDG_DATA_HOME when that is an absolute path, else $HOME/.local/share; empty
// when neither gives one. Either argument may be null.
std::string recoveryRoot(const char* xdgDataHome, const char* home);

// This program's folder of recovery files, made on first use.
class RecoverySession {
public:
    explicit RecoverySession(std::string root);
    RecoverySession(const RecoverySession&) = delete;
    RecoverySession& operator=(const RecoverySession&) = delete;
    // A folder left with no recovery file in it is removed; one that still holds some stays for
    // the next start to offer.
    ~RecoverySession();

    // The folder's name under the root: the process id and a number of this session's own.
    const std::string& name() const { return m_name; }
    // Makes and locks the folder when it is not there yet; false, with the reason, when it cannot be.
    bool ensureFolder(std::string& error);
    // The recovery file of the document numbered n, and the file a signal handler writes first.
    std::string filePath(int n) const;
    std::string signalTempPath(int n) const;
    // Writes the recovery file of document n through a temporary file that replaces it whole.
    bool write(int n, std::string_view bytes, std::string& error);
    void remove(int n);

private:
    std::string m_root;
    std::string m_name;
    std::string m_folder;  // empty until made
    int m_lock = -1;
};

struct RecoveryEntry {
    std::string file;
    // When the file was last written, in seconds since 1970.
    std::int64_t writtenAt = 0;
    RecoveredDocument document;
};

struct DamagedRecoveryFile {
    std::string file;  // its name after it was set aside
    std::string problem;
};

// The folder of a program that ended without clearing it, held (locked) from the moment it was
// found until this object goes: no other program offers the same files meanwhile.
class AbandonedSession {
public:
    AbandonedSession(std::string folder, int lock) : m_folder(std::move(folder)), m_lock(lock) {}
    AbandonedSession(AbandonedSession&& other) noexcept;
    AbandonedSession& operator=(AbandonedSession&& other) noexcept;
    // Lets the folder go as it is, for a later start to offer again.
    ~AbandonedSession();

    const std::string& folder() const { return m_folder; }
    const std::vector<RecoveryEntry>& entries() const { return m_entries; }
    // Files that could not be read; each was renamed to end with kDamagedRecoveryExtension.
    const std::vector<DamagedRecoveryFile>& damaged() const { return m_damaged; }

    // Reads the folder's recovery files, oldest document first.
    void read();
    // Renames the file of an entry that could not be used to end with kDamagedRecoveryExtension,
    // as a damaged one is; false when it could not be renamed.
    bool setAside(const RecoveryEntry& entry);
    // Removes the recovery files and the folder; files set aside as damaged stay.
    void discard();

private:
    void unlock();

    std::string m_folder;
    int m_lock = -1;
    std::vector<RecoveryEntry> m_entries;
    std::vector<DamagedRecoveryFile> m_damaged;
};

// The folders under root of programs that have ended (other than ownName), each read and held;
// folders left with nothing to offer are removed on the way.
std::vector<AbandonedSession> claimAbandonedSessions(const std::string& root, const std::string& ownName);

} // namespace orv
