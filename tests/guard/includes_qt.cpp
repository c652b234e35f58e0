// A core source that reaches for Qt: built with orvante_core's include path and flags,
// it must fail at the include (see the guard test in tests/CMakeLists.txt).
#include "settings/SettingsRecord.h"

#include <QString>

int guardUsesQt()
{
    return QString().size();
}
