#include "MethodRegistry.h"

#include <QStringList>

void MethodRegistry::add(const QString &name, QList<ParamSpec> params, ValueType result,
                         std::function<void(ServerCall &)> handler)
{
    if (result != ValueType::Null)
        params.append({QStringLiteral("ReturnParameter"), result, ParamDirection::Return});
    auto spec = std::make_shared<MethodSpec>(MethodSpec{name, std::move(params), std::move(handler)});
    m_methods.insert(name, spec);
    m_prepares.insert(name, std::make_shared<std::atomic<int>>(0));
}

const MethodSpec *MethodRegistry::find(const QString &commandText) const
{
    if (!commandText.startsWith(QLatin1String(classPrefix)))
        return nullptr;
    const auto it = m_methods.constFind(commandText.mid(int(qstrlen(classPrefix))));
    return it == m_methods.constEnd() ? nullptr : it->get();
}

QStringList MethodRegistry::names() const
{
    QStringList list = m_methods.keys();
    list.sort();
    return list;
}

int MethodRegistry::prepareCount(const QString &name) const
{
    const auto it = m_prepares.constFind(name);
    return it == m_prepares.constEnd() ? 0 : it->get()->load();
}

void MethodRegistry::notePrepared(const MethodSpec &method) const
{
    if (const auto it = m_prepares.constFind(method.name); it != m_prepares.constEnd())
        ++*it->get();
}
