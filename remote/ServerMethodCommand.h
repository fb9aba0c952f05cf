#pragma once

#include "Value.h"
#include "WireTypes.h"

#include <QList>
#include <QString>

#include <memory>

class DSConnection;
class ResultSetReader;
class RemoteStream;

// One server method as a prepared command: prepared once (the server answers its parameter
// list), then executed with every parameter set by position. The result set or stream of the
// last execution is owned here.
class ServerMethodCommand
{
public:
    ServerMethodCommand(DSConnection &connection, const QString &text);
    ~ServerMethodCommand();

    QString text() const { return m_text; }
    bool isPrepared() const { return m_prepared; }
    void prepare();
    const QList<ParamSpec> &parameters() const { return m_params; }

    void setParameter(int position, const Value &value);
    void execute();

    const Value &output(int position) const;
    ResultSetReader *resultSet() const { return m_resultSet.get(); }
    RemoteStream *stream() const { return m_stream.get(); }

private:
    void checkPosition(int position) const;

    DSConnection &m_connection;
    QString m_text;
    bool m_prepared = false;
    quint32 m_handle = 0;
    QList<ParamSpec> m_params;
    QList<Value> m_inputs;
    QList<Value> m_outputs;
    std::unique_ptr<ResultSetReader> m_resultSet;
    std::unique_ptr<RemoteStream> m_stream;
};
