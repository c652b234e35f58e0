// Per command: its menu text, status prompt and tooltip, and its accelerator keys (table 128).
#pragma once

#include "app/AppIds.h"

#include <QKeySequence>
#include <QList>
#include <QString>

#include <span>

namespace orv {

struct CommandInfo {
    CommandId id;
    const char* menuText;     // "&Copy\tCtrl+C"; empty for commands without a menu item
    const char* promptAndTip; // "prompt\ntooltip", as the string table holds it
    const char* keys[2];      // accelerators, in QKeySequence's portable form
};

std::span<const CommandInfo> commandTable();
const CommandInfo& commandInfo(CommandId id);

QString commandPrompt(const CommandInfo& info);
QString commandTooltip(const CommandInfo& info);
QList<QKeySequence> commandShortcuts(const CommandInfo& info);

// "Recent Files": the disabled placeholder of an empty recent file list.
inline constexpr const char* kRecentFilesText = "Recent Files";
inline constexpr const char* kRecentFilePrompt = "Open this document";

} // namespace orv
