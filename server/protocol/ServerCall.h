#pragma once

#include "DSException.h"
#include "JsonObjectForm.h"
#include "Value.h"
#include "WireCodec.h"

#include <QByteArray>
#include <QList>

#include <memory>
#include <optional>

struct MethodSpec;

// One execution of a server method: typed access to the inputs by position, and the outputs,
// result value, result set or stream that the handler answers.
class ServerCall
{
public:
    ServerCall(const MethodSpec &method, QList<Value> inputs);

    const MethodSpec &method() const { return m_method; }
    const Value &in(int position) const;
    QString text(int position) const { return in(position).toText(); }
    qint32 int32(int position) const { return in(position).toInt32(); }
    double real(int position) const { return in(position).toDouble(); }
    bool boolean(int position) const { return in(position).toBool(); }
    // An object argument in the JSON object form; null gives nullptr, malformed text raises.
    template<class R>
    std::shared_ptr<R> object(int position) const
    {
        const Value &v = in(position);
        return v.isNull() ? nullptr : fromJsonObjectForm<R>(v.json());
    }

    void setOut(int position, const Value &value);
    void setResult(const Value &value);
    template<class R>
    void setResultObject(const R *record)
    {
        setResult(record ? Value::object(toJsonObjectForm(*record)) : Value());
    }
    void setResultSet(RowBatchWriter &&rows);
    void setStream(const QByteArray &bytes);

    const QList<Value> &answers() const { return m_answers; }
    const std::optional<RowBatchWriter> &rows() const { return m_rows; }
    std::optional<RowBatchWriter> &rows() { return m_rows; }
    const std::optional<QByteArray> &streamBytes() const { return m_stream; }

private:
    int returnPosition() const;

    const MethodSpec &m_method;
    QList<Value> m_inputs;
    QList<Value> m_answers;
    std::optional<RowBatchWriter> m_rows;
    std::optional<QByteArray> m_stream;
};
