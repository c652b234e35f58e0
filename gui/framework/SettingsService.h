// The one way to change the shared settings record: a change is applied here, and every
// listener (each open view, the toolbar, the tools palette) is told which parts of it changed.
#pragma once

#include "settings/SettingsRecord.h"

#include <QFlags>
#include <QObject>

#include <functional>

namespace orv {

enum class SettingsChange {
    colours = 0x01,
    tabSize = 0x02,
    syntaxColoring = 0x04,
    grid = 0x08,           // the designer grid: on/off and its pitch
    sizes = 0x10,          // default sizes of new windows and controls
    windowStates = 0x20,   // whether the main and document windows open maximized
    options = 0x40,        // everything else: export, start-up and MEL writing options
};
Q_DECLARE_FLAGS(SettingsChanges, SettingsChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(SettingsChanges)

// The parts in which two records differ.
SettingsChanges settingsDifference(const SettingsRecord& before, const SettingsRecord& after);

class SettingsService : public QObject {
    Q_OBJECT

public:
    // record is the application's, read and written whole with the profile; from now on it
    // changes only through this service.
    explicit SettingsService(SettingsRecord& record, QObject* parent = nullptr);

    const SettingsRecord& record() const { return m_record; }

    // Makes the record equal to next and tells the listeners what differs; when nothing does,
    // nobody is told.
    void apply(const SettingsRecord& next);
    // Applies what edit makes of a copy of the record.
    void change(const std::function<void(SettingsRecord&)>& edit);
    void setFlag(SettingsFlag flag, bool on);

signals:
    void changed(orv::SettingsChanges what);

private:
    SettingsRecord& m_record;
};

} // namespace orv
