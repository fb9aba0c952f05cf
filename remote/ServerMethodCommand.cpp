#include "ServerMethodCommand.h"

#include "ByteIo.h"
#include "DSConnection.h"
#include "DSException.h"
#include "RemoteStream.h"
#include "ResultSetReader.h"
#include "SocketChannel.h"
#include "WireCodec.h"

namespace {
Frame expectReply(SocketChannel &channel, FrameType wanted)
{
    Frame frame = channel.readFrame();
    if (frame.type == FrameType::Error)
        WireCodec::raiseError(frame.payload);
    if (frame.type != wanted)
        throw DSException(QStringLiteral("Protocol error: unexpected message type %1").arg(int(frame.type)),
                          QStringLiteral("EProtocolError"));
    return frame;
}
} // namespace

ServerMethodCommand::ServerMethodCommand(DSConnection &connection, const QString &text)
    : m_connection(connection), m_text(text)
{
}

ServerMethodCommand::~ServerMethodCommand() = default;

void ServerMethodCommand::prepare()
{
    SocketChannel &channel = m_connection.channelForRequest();
    QByteArray payload;
    ByteWriter(payload).text(m_text);
    channel.sendFrame(FrameType::Prepare, payload);
    const Frame reply = expectReply(channel, FrameType::Prepared);
    ByteReader r(reply.payload);
    m_handle = r.u32();
    m_params = WireCodec::readParams(r);
    r.expectEnd();
    m_inputs = QList<Value>(m_params.size());
    m_outputs = QList<Value>(m_params.size());
    m_prepared = true;
}

void ServerMethodCommand::checkPosition(int position) const
{
    if (position < 0 || position >= m_params.size())
        throw DSException(QStringLiteral("Parameter index %1 out of range for %2").arg(position).arg(m_text));
}

void ServerMethodCommand::setParameter(int position, const Value &value)
{
    checkPosition(position);
    m_inputs[position] = value;
}

const Value &ServerMethodCommand::output(int position) const
{
    checkPosition(position);
    return m_outputs.at(position);
}

void ServerMethodCommand::execute()
{
    if (!m_prepared)
        prepare();
    // The previous execution's result goes first; its unread frames are skipped.
    m_resultSet.reset();
    m_stream.reset();

    SocketChannel &channel = m_connection.channelForRequest();
    QByteArray payload;
    ByteWriter w(payload);
    w.u32(m_handle);
    qsizetype sent = 0;
    for (const ParamSpec &p : std::as_const(m_params))
        sent += p.direction != ParamDirection::Return;
    w.u16(quint16(sent));
    for (int i = 0; i < m_params.size(); ++i) {
        if (m_params.at(i).direction == ParamDirection::Return)
            continue;
        WireCodec::writeValue(w, m_params.at(i).direction == ParamDirection::In ? m_inputs.at(i) : Value());
    }
    channel.sendFrame(FrameType::Execute, payload);

    const Frame reply = expectReply(channel, FrameType::Reply);
    ByteReader r(reply.payload);
    const quint16 n = r.u16();
    if (n != m_params.size())
        throw DSException(QStringLiteral("Protocol error: %1 values answered for %2 parameters").arg(n).arg(m_params.size()),
                          QStringLiteral("EProtocolError"));
    for (int i = 0; i < n; ++i)
        m_outputs[i] = WireCodec::readValue(r);
    r.expectEnd();

    int trailing = 0;
    for (const Value &v : std::as_const(m_outputs))
        trailing += v.type() == ValueType::ResultSet || v.type() == ValueType::Stream;
    if (trailing > 1)
        throw DSException(QStringLiteral("Protocol error: more than one result set or stream in one answer"),
                          QStringLiteral("EProtocolError"));
    for (int i = 0; i < n; ++i) {
        const Value &v = m_outputs.at(i);
        if (v.type() == ValueType::ResultSet)
            m_resultSet = std::make_unique<ResultSetReader>(m_connection, v.columns());
        else if (v.type() == ValueType::Stream)
            m_stream = std::make_unique<RemoteStream>(m_connection, v.toInt64());
    }
}
