#include "ServerCall.h"

#include "MethodRegistry.h"

ServerCall::ServerCall(const MethodSpec &method, QList<Value> inputs)
    : m_method(method), m_inputs(std::move(inputs)), m_answers(method.params.size())
{
}

const Value &ServerCall::in(int position) const
{
    if (position < 0 || position >= m_inputs.size())
        throw DSException(QStringLiteral("Parameter %1 of %2 does not exist").arg(position).arg(m_method.name));
    return m_inputs.at(position);
}

int ServerCall::returnPosition() const
{
    if (m_method.params.isEmpty() || m_method.params.constLast().direction != ParamDirection::Return)
        throw DSException(QStringLiteral("%1 has no return value").arg(m_method.name));
    return int(m_method.params.size()) - 1;
}

void ServerCall::setOut(int position, const Value &value)
{
    if (position < 0 || position >= m_answers.size() || m_method.params.at(position).direction != ParamDirection::Out)
        throw DSException(QStringLiteral("Parameter %1 of %2 is not an output").arg(position).arg(m_method.name));
    m_answers[position] = value;
}

void ServerCall::setResult(const Value &value)
{
    m_answers[returnPosition()] = value;
}

void ServerCall::setResultSet(RowBatchWriter &&rows)
{
    m_answers[returnPosition()] = Value::resultSet(rows.columns());
    m_rows.emplace(std::move(rows));
}

void ServerCall::setStream(const QByteArray &bytes)
{
    m_answers[returnPosition()] = Value::stream(bytes.size());
    m_stream = bytes;
}
