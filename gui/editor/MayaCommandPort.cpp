// One exchange with a command port at a time: connect, write, read up to the end of the reply.
#include "editor/MayaCommandPort.h"

#include "framework/ByteText.h"

#include <QTcpSocket>

namespace orv {

MayaCommandPort::MayaCommandPort(QObject* parent) : QObject(parent)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        end(m_reply.empty()
                ? QStringLiteral("Send to Maya: no answer from %1 within %2 s.").arg(where()).arg(m_waitMs / 1000.0)
                : replyText());
    });
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kReplyQuietMs);
    connect(&m_quiet, &QTimer::timeout, this, [this] { end(replyText()); });
}

MayaCommandPort::~MayaCommandPort()
{
    if (m_socket)
        m_socket->abort();
}

QString MayaCommandPort::replyText() const
{
    return textFromUtf8(m_reply.text());
}

QString MayaCommandPort::where() const
{
    return QStringLiteral("%1:%2").arg(QString::fromStdString(m_address.host)).arg(m_address.port);
}

bool MayaCommandPort::send(const CommandPortAddress& address, const QByteArray& script)
{
    if (busy())
        return false;
    m_address = address;
    m_reply = CommandPortReply();
    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, [this, script] { m_socket->write(script); });
    connect(m_socket, &QTcpSocket::readyRead, this, [this] {
        const QByteArray arrived = m_socket->readAll();
        if (m_reply.add(std::string_view(arrived.constData(), static_cast<std::size_t>(arrived.size()))))
            end(replyText());
        else
            m_quiet.start();
    });
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            end(QStringLiteral("Send to Maya: %1 refused the connection; is a command port open there?").arg(where()));
            break;
        case QAbstractSocket::RemoteHostClosedError:
            // A port that closes after answering has said all it will say.
            end(m_reply.empty() ? QStringLiteral("Send to Maya: %1 closed the connection without an answer.").arg(where())
                                : replyText());
            break;
        case QAbstractSocket::HostNotFoundError:
            end(QStringLiteral("Send to Maya: the host %1 was not found.").arg(QString::fromStdString(m_address.host)));
            break;
        default:
            end(QStringLiteral("Send to Maya: %1: %2").arg(where(), m_socket->errorString()));
            break;
        }
    });
    m_timeout.start(m_waitMs);
    m_socket->connectToHost(QString::fromStdString(address.host), static_cast<quint16>(address.port));
    return true;
}

void MayaCommandPort::end(const QString& report)
{
    if (!m_socket)
        return;
    m_timeout.stop();
    m_quiet.stop();
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    emit finished(report);
}

} // namespace orv
