// Where "Send to Maya" sends a script: the host and port of a Maya command port, kept in the
// profile beside the other settings; a missing or unusable stored value reads as the default.
#pragma once

#include <string>
#include <string_view>

namespace orv {

class Profile;

struct CommandPortAddress {
    std::string host = "localhost";
    int port = 7001;
    friend bool operator==(const CommandPortAddress&, const CommandPortAddress&) = default;
};

inline constexpr const char* kCommandPortSection = "Settings";
inline constexpr const char* kCommandPortHostKey = "MayaHost";
inline constexpr const char* kCommandPortPortKey = "MayaPort";

// A host name or address as a socket takes it: 1 to 253 letters, digits, ".", "-", "_" and
// ":" (an IPv6 address).
bool isUsableHost(std::string_view host);
bool isUsablePort(int port);

CommandPortAddress readCommandPortAddress(const Profile& profile);
// Writes both values; false when the address is not usable or the profile refused it.
bool writeCommandPortAddress(Profile& profile, const CommandPortAddress& address);

} // namespace orv
