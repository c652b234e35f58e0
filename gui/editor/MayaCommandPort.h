// "Send to Maya": a script sent to a Maya command port over TCP and its reply awaited,
// without ever blocking the window: the socket works asynchronously, the whole exchange
// (connecting, sending, the reply) is given a bounded time, and a reply is kept up to a limit.
#pragma once

#include "mel/CommandPortReply.h"
#include "settings/CommandPortAddress.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace orv {

class MayaCommandPort : public QObject {
    Q_OBJECT

public:
    // The time a command port is given to accept the script and answer it.
    static constexpr int kReplyWaitMs = 5000;
    // A reply without its closing NUL byte is complete once nothing more came for this long.
    static constexpr int kReplyQuietMs = 250;

    explicit MayaCommandPort(QObject* parent = nullptr);
    ~MayaCommandPort() override;

    void setReplyWait(int milliseconds) { m_waitMs = milliseconds; }
    int replyWait() const { return m_waitMs; }
    bool busy() const { return m_socket != nullptr; }

    // Sends the script (its lines ended by LF); false while an earlier one is still under way.
    // The outcome is told once through finished().
    bool send(const CommandPortAddress& address, const QByteArray& script);

signals:
    // The reply of the command port, or one line saying why there is none.
    void finished(const QString& report);

private:
    void end(const QString& report);
    // The reply as the Output pane shows it.
    QString replyText() const;
    QString where() const;

    int m_waitMs = kReplyWaitMs;
    CommandPortAddress m_address;
    QTcpSocket* m_socket = nullptr;  // a child, while an exchange is under way
    CommandPortReply m_reply;
    QTimer m_timeout;
    QTimer m_quiet;
};

} // namespace orv
