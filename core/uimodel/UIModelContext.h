// What the elements of every window document share: the application's settings record
// and the per-type name counters, which start at 0 and never go back.
#pragma once

#include "settings/SettingsRecord.h"
#include "uimodel/UIModelConstants.h"

#include <map>
#include <string>

namespace orv {

class UIModelContext {
public:
    explicit UIModelContext(const SettingsRecord& settings) : m_settings(&settings) {}

    const SettingsRecord& settings() const { return *m_settings; }
    int booleanStyle() const { return static_cast<int>(m_settings->booleanStyle); }

    // pattern with one "%d", e.g. "Button%d": the name from the pattern's counter, which then
    // moves on.
    std::string takeName(const std::string& pattern);

    // While set, layouts do not arrange and observers hear no moves: a reader that builds a
    // whole tree arranges it itself, once, instead of after every element. The reader
    // promises that a layout's children other than the newest keep their sizes and places
    // until it arranges the layout in full again, so layouts may keep sums over them.
    bool arrangementDeferred() const { return m_arrangementDeferred; }
    void setArrangementDeferred(bool deferred) { m_arrangementDeferred = deferred; }

    // While set, every arrangement settles the whole tree again, as if no part of it were
    // ever settled: the reference that arranging only what an edit changed is checked against.
    bool settlesEverything() const { return m_settleEverything; }
    void setSettleEverything(bool everything) { m_settleEverything = everything; }

private:
    const SettingsRecord* m_settings;
    std::map<std::string, int> m_counters;
    bool m_arrangementDeferred = false;
    bool m_settleEverything = false;
};

} // namespace orv
