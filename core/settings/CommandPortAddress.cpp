// The command port's address in the profile.
#include "settings/CommandPortAddress.h"

#include "settings/Profile.h"

#include <algorithm>

namespace orv {

namespace {
constexpr std::size_t kMaxHostLength = 253;
constexpr int kMaxPort = 65535;
} // namespace

bool isUsableHost(std::string_view host)
{
    const auto usable = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
               c == '_' || c == ':';
    };
    return !host.empty() && host.size() <= kMaxHostLength && std::all_of(host.begin(), host.end(), usable);
}

bool isUsablePort(int port)
{
    return port >= 1 && port <= kMaxPort;
}

CommandPortAddress readCommandPortAddress(const Profile& profile)
{
    const CommandPortAddress defaults;
    CommandPortAddress address;
    address.host = profile.readString(kCommandPortSection, kCommandPortHostKey, defaults.host);
    if (!isUsableHost(address.host))
        address.host = defaults.host;
    address.port = profile.readInt(kCommandPortSection, kCommandPortPortKey, defaults.port);
    if (!isUsablePort(address.port))
        address.port = defaults.port;
    return address;
}

bool writeCommandPortAddress(Profile& profile, const CommandPortAddress& address)
{
    if (!isUsableHost(address.host) || !isUsablePort(address.port))
        return false;
    const bool hostWritten = profile.writeString(kCommandPortSection, kCommandPortHostKey, address.host);
    return profile.writeInt(kCommandPortSection, kCommandPortPortKey, address.port) && hostWritten;
}

} // namespace orv
