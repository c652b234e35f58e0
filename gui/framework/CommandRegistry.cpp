// State first, then run: the target that answers for a command's state is the one that runs it.
#include "framework/CommandRegistry.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace orv {

CommandRegistry::CommandRegistry(Targets targets, QObject* parent) : QObject(parent), m_targets(std::move(targets))
{
    // What Paste may do follows the clipboard, whoever filled it.
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &CommandRegistry::requestUpdate);
}

void CommandRegistry::addAction(int id, QAction* action)
{
    m_actions.insert(id, action);
    connect(action, &QAction::triggered, this, [this, id] { run(id); });
}

void CommandRegistry::setHandler(int id, Handler handler)
{
    m_handlers.insert(id, std::move(handler));
    requestUpdate();
}

CCmdTarget* CommandRegistry::answering(int id, CommandState& state) const
{
    for (CCmdTarget* target : m_targets())
        if (target && target->onUpdateCommand(id, state))
            return target;
    return nullptr;
}

CommandState CommandRegistry::state(int id) const
{
    CommandState state;
    if (answering(id, state))
        return state;
    const auto handler = m_handlers.find(id);
    if (handler == m_handlers.end())
        return {false, false};
    return handler->state ? handler->state() : CommandState{};
}

bool CommandRegistry::run(int id)
{
    bool ran = false;
    CommandState state;
    if (CCmdTarget* target = answering(id, state)) {
        if (state.enabled)
            target->onCommand(id);
        ran = state.enabled;
    } else if (const auto handler = m_handlers.find(id);
               handler != m_handlers.end() && (!handler->state || handler->state().enabled)) {
        // A copy: the command may replace handlers while it runs.
        const std::function<void()> command = handler->run;
        command();
        ran = true;
    }
    updateStates();
    return ran;
}

void CommandRegistry::updateStates()
{
    m_updatePending = false;
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        const CommandState now = state(it.key());
        it.value()->setEnabled(now.enabled);
        if (it.value()->isCheckable())
            it.value()->setChecked(now.checked);
    }
    emit statesUpdated();
}

void CommandRegistry::requestUpdate()
{
    if (m_updatePending)
        return;
    m_updatePending = true;
    QMetaObject::invokeMethod(this, &CommandRegistry::updateStates, Qt::QueuedConnection);
}

} // namespace orv
