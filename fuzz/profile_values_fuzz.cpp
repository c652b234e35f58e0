// Stored settings values as any profile may hold them (a number where text belongs, a
// negative size, a huge margin, bytes in a path): the bar sizes, the recent file list, the
// find and replace values and the page margins read within their rules, and what they read
// writes back and reads again the same.
#include "settings/BarSizes.h"
#include "settings/Profile.h"
#include "settings/RecentFileList.h"
#include "text/FindSettings.h"
#include "settings/PageMargins.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr const char* kBarProfile = "Bars\\ORVANTE";
constexpr int kBarId = 59393;
constexpr int kRecentCapacity = 4;

struct Slot {
    std::string section;
    std::string key;
};

// Every value these readers look at, and one beside them that none reads.
std::vector<Slot> slots()
{
    const std::string bars = orv::BarSizes::sectionName(kBarProfile, kBarId);
    std::vector<Slot> all;
    for (const char* key : {"WidthCX", "WidthCY", "HeightCX", "HeightCY", "FloatCX", "FloatCY"})
        all.push_back({bars, key});
    for (int i = 1; i <= kRecentCapacity + 1; ++i)
        all.push_back({orv::RecentFileList::kSection, orv::RecentFileList::keyName(i)});
    using namespace orv::find_profile;
    for (const char* section : {kFindSection, kReplaceSection})
        for (const char* key : {kMatchCase, kWholeWord, kFindWhat, kReplaceWith})
            all.push_back({section, key});
    using namespace orv::page_setup_profile;
    for (const char* key : {kLeft, kRight, kTop, kBottom})
        all.push_back({kSection, key});
    all.push_back({"Elsewhere", "Value"});
    return all;
}

// Reads values off the input: a slot, a kind (number, text or bytes), then the value.
class Input {
public:
    explicit Input(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    bool empty() const { return m_at >= m_bytes.size(); }
    std::uint8_t byte() { return empty() ? 0 : m_bytes[m_at++]; }
    int number()
    {
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n = n << 8 | byte();
        int value;
        std::memcpy(&value, &n, sizeof value);
        return value;
    }
    std::string text()
    {
        const std::size_t wanted = byte();
        const std::size_t length = std::min(wanted, m_bytes.size() - std::min(m_at, m_bytes.size()));
        std::string out(reinterpret_cast<const char*>(m_bytes.data() + m_at), length);
        m_at += length;
        return out;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
};

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<Slot> all = slots();
    orv::MemoryProfile profile;
    Input in({data, size});
    while (!in.empty()) {
        const Slot& slot = all[in.byte() % all.size()];
        switch (in.byte() % 3) {
        case 0: profile.writeInt(slot.section, slot.key, in.number()); break;
        case 1: profile.writeString(slot.section, slot.key, in.text()); break;
        default: {
            const std::string bytes = in.text();
            profile.writeBinary(slot.section, slot.key, orv::Bytes(bytes.begin(), bytes.end()));
        }
        }
    }

    orv::MemoryProfile again;
    auto bars = orv::BarSizes::withDefault({300, 150});
    bars.load(profile, kBarProfile, kBarId);
    for (const auto orientation : {orv::BarOrientation::horizontal, orv::BarOrientation::vertical,
                                   orv::BarOrientation::floating}) {
        const orv::BarSize s = bars.sizeFor(orientation);
        check(s.cx >= orv::BarSizes::kMinimum.cx && s.cy >= orv::BarSizes::kMinimum.cy);
    }
    check(bars.save(again, kBarProfile, kBarId));
    auto barsAgain = orv::BarSizes::withDefault({300, 150});
    barsAgain.load(again, kBarProfile, kBarId);
    for (const auto orientation : {orv::BarOrientation::horizontal, orv::BarOrientation::vertical,
                                   orv::BarOrientation::floating})
        check(barsAgain.sizeFor(orientation) == bars.sizeFor(orientation));

    orv::RecentFileList recent(kRecentCapacity);
    recent.load(profile);
    const auto& entries = recent.entries();
    check(entries.size() <= static_cast<std::size_t>(kRecentCapacity));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        check(!entries[i].empty());
        check(std::count(entries.begin(), entries.end(), entries[i]) == 1);
    }
    recent.save(again);
    orv::RecentFileList recentAgain(kRecentCapacity);
    recentAgain.load(again);
    check(recentAgain.entries() == entries);

    const orv::FindValues find = orv::readFindValues(profile);
    const orv::FindValues replace = orv::readReplaceValues(profile);
    orv::writeFindValues(again, find);
    orv::writeReplaceValues(again, replace);
    const orv::FindValues findAgain = orv::readFindValues(again);
    const orv::FindValues replaceAgain = orv::readReplaceValues(again);
    check(findAgain.findWhat == find.findWhat && findAgain.flags() == find.flags());
    check(replaceAgain.findWhat == replace.findWhat && replaceAgain.replaceWith == replace.replaceWith &&
          replaceAgain.flags() == replace.flags());

    const orv::PageMargins margins = orv::readPageMargins(profile);
    for (const int m : {margins.left, margins.right, margins.top, margins.bottom})
        check(m >= 0 && m <= orv::page_setup_profile::kMaxMargin);
    orv::writePageMargins(again, margins);
    check(orv::readPageMargins(again) == margins);
    return 0;
}
