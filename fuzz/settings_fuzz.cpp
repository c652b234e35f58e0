// Stored settings values from the profile: any bytes give a record or the defaults,
// and whatever is accepted writes back to bytes that read the same.
#include "settings/IconEditorParams.h"
#include "settings/SettingsRecord.h"
#include "settings/WindowPlacement.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> in(data, size);
    if (const auto r = orv::SettingsRecord::parse(in)) {
        if (orv::SettingsRecord::parse(r->serialize()) != r)
            std::abort();
    }
    if (const auto p = orv::IconEditorParams::parse(in)) {
        if (orv::IconEditorParams::parse(p->serialize()) != p)
            std::abort();
    }
    if (const auto w = orv::WindowPlacement::parse(in)) {
        const auto g = w->toGeometry();
        if (g.width < 0 || g.height < 0 || orv::WindowPlacement::parse(w->serialize()) != w)
            std::abort();
    }
    return 0;
}
