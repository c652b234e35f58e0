// The command port's address in the profile: defaults, a round trip, and stored values that
// cannot be used read as the defaults.
#include "settings/CommandPortAddress.h"

#include "settings/Profile.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(CommandPortAddress, DefaultsRoundTripAndUnusableValuesReadAsDefaults)
{
    MemoryProfile profile;
    EXPECT_EQ(readCommandPortAddress(profile), (CommandPortAddress{"localhost", 7001}));
    ASSERT_TRUE(writeCommandPortAddress(profile, {"maya-host.studio", 7002}));
    EXPECT_EQ(readCommandPortAddress(profile), (CommandPortAddress{"maya-host.studio", 7002}));
    ASSERT_TRUE(writeCommandPortAddress(profile, {"::1", 65535}));
    EXPECT_EQ(readCommandPortAddress(profile), (CommandPortAddress{"::1", 65535}));

    struct Stored {
        MemoryProfile::Value host;
        MemoryProfile::Value port;
        CommandPortAddress read;
    };
    const Stored cases[] = {
        {std::string("host with blanks"), 0, {"localhost", 7001}},
        {std::string(""), 65536, {"localhost", 7001}},
        {std::string(300, 'a'), -1, {"localhost", 7001}},
        {std::string("a\nb"), std::string("7002"), {"localhost", 7001}},
        {Bytes{0xFF, 0x00}, Bytes{1, 2}, {"localhost", 7001}},
        {std::string("studio"), 1, {"studio", 1}},
    };
    for (const Stored& c : cases) {
        MemoryProfile stored;
        const auto put = [&stored](const char* key, const MemoryProfile::Value& value) {
            if (const auto* text = std::get_if<std::string>(&value))
                stored.writeString(kCommandPortSection, key, *text);
            else if (const auto* number = std::get_if<int>(&value))
                stored.writeInt(kCommandPortSection, key, *number);
            else
                stored.writeBinary(kCommandPortSection, key, std::get<Bytes>(value));
        };
        put(kCommandPortHostKey, c.host);
        put(kCommandPortPortKey, c.port);
        EXPECT_EQ(readCommandPortAddress(stored), c.read);
    }
    // An unusable address is refused and leaves the stored one.
    EXPECT_FALSE(writeCommandPortAddress(profile, {"bad host", 7001}));
    EXPECT_FALSE(writeCommandPortAddress(profile, {"studio", 0}));
    EXPECT_EQ(readCommandPortAddress(profile), (CommandPortAddress{"::1", 65535}));
}
