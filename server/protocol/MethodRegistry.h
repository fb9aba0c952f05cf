#pragma once

#include "WireTypes.h"

#include <QHash>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

class ServerCall;

struct MethodSpec
{
    QString name;
    QList<ParamSpec> params; // the return value, when there is one, is the last entry
    std::function<void(ServerCall &)> handler;
};

// The methods a server offers, by name ("TServerMethods1." + name is the command text).
// Filled before the server starts listening; read-only afterwards, so sessions share it.
class MethodRegistry
{
public:
    static constexpr const char *classPrefix = "TServerMethods1.";

    // Parameters as (name, type, direction); `result` Null means no return value.
    void add(const QString &name, QList<ParamSpec> params, ValueType result, std::function<void(ServerCall &)> handler);
    const MethodSpec *find(const QString &commandText) const;
    QStringList names() const;

    // How often each method was prepared, so tests can see that a proxy prepares once.
    int prepareCount(const QString &name) const;
    void notePrepared(const MethodSpec &method) const;

private:
    QHash<QString, std::shared_ptr<MethodSpec>> m_methods;
    mutable QHash<QString, std::shared_ptr<std::atomic<int>>> m_prepares;
};

// Shorthands for parameter lists.
inline ParamSpec inParam(const char *name, ValueType type)
{
    return {QLatin1String(name), type, ParamDirection::In};
}
inline ParamSpec outParam(const char *name, ValueType type)
{
    return {QLatin1String(name), type, ParamDirection::Out};
}
