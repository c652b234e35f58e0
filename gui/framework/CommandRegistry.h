// Every command of the front end in one place: its action (menu item, toolbar button and
// accelerators), the application-level handler, and the states the actions show. A state is
// asked of the active view, its document and its frame first, then of the handler; nobody
// handling a command disables it.
#pragma once

#include "framework/CCmdTarget.h"

#include <QList>
#include <QMap>
#include <QObject>

#include <functional>

class QAction;

namespace orv {

class CommandRegistry : public QObject {
    Q_OBJECT

public:
    struct Handler {
        std::function<void()> run;
        // Empty: always enabled, never checked.
        std::function<CommandState()> state;
    };
    // The targets asked first, in order (the active view, its document, its frame).
    using Targets = std::function<QList<CCmdTarget*>()>;

    explicit CommandRegistry(Targets targets, QObject* parent = nullptr);

    // Triggering action runs command id; its enabled and checked states follow the command's.
    void addAction(int id, QAction* action);
    QAction* action(int id) const { return m_actions.value(id); }
    // The handler asked after the active targets (New, Open, pane toggles, help...).
    void setHandler(int id, Handler handler);

    // The command's state now; disabled when nobody handles it.
    CommandState state(int id) const;
    // Runs the command when it is enabled, then brings every action up to date. False when it
    // was disabled.
    bool run(int id);

    // Brings every action up to date at once.
    void updateStates();
    // Brings every action up to date once control returns to the event loop, however many
    // requests come before: views ask whenever their selection, modified state or the
    // clipboard changes.
    void requestUpdate();

signals:
    // The actions were brought up to date.
    void statesUpdated();

private:
    // The first active target that handles id, with the state it gave; null when none does.
    CCmdTarget* answering(int id, CommandState& state) const;

    Targets m_targets;
    QMap<int, QAction*> m_actions;
    QMap<int, Handler> m_handlers;
    bool m_updatePending = false;
};

} // namespace orv
