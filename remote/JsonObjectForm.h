#pragma once

#include "DSException.h"

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <memory>
#include <type_traits>

// A date field of a transfer record: days since 30 December 1899, time as fraction.
struct DayCount
{
    double days = 0;
    bool operator==(const DayCount &) const = default;
};

// The JSON object form of transfer records: {"type","id","fields"} with the fields in
// declaration order, a repeated object as {"type","ref"}, a missing object as null.
// Records describe their fields through a static visitFields(self, visitor).
namespace JsonObjectForm {

void appendString(QByteArray &out, const QString &s);
void appendNumber(QByteArray &out, double v);
[[noreturn]] void malformed(const QString &what);

class Writer
{
public:
    template<class R>
    QByteArray write(const R &record)
    {
        writeObject(record);
        return std::move(m_out);
    }

private:
    template<class R>
    void writeObject(const R &record)
    {
        const void *identity = &record;
        if (const auto it = m_ids.constFind(identity); it != m_ids.constEnd()) {
            m_out += "{\"type\":";
            appendString(m_out, QLatin1String(R::typeName));
            m_out += ",\"ref\":" + QByteArray::number(*it) + '}';
            return;
        }
        const int id = m_nextId++;
        m_ids.insert(identity, id);
        m_out += "{\"type\":";
        appendString(m_out, QLatin1String(R::typeName));
        m_out += ",\"id\":" + QByteArray::number(id) + ",\"fields\":{";
        bool first = true;
        R::visitFields(record, [&](const char *name, const auto &field) {
            if (!first)
                m_out += ',';
            first = false;
            appendString(m_out, QLatin1String(name));
            m_out += ':';
            writeField(field);
        });
        m_out += "}}";
    }

    void writeField(const QString &v) { appendString(m_out, v); }
    void writeField(int v) { m_out += QByteArray::number(v); }
    void writeField(double v) { appendNumber(m_out, v); }
    void writeField(bool v) { m_out += v ? "true" : "false"; }
    void writeField(const DayCount &v) { appendNumber(m_out, v.days); }
    template<class T>
    void writeField(const QList<std::shared_ptr<T>> &items)
    {
        m_out += '[';
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i)
                m_out += ',';
            if (items.at(i))
                writeObject(*items.at(i));
            else
                m_out += "null";
        }
        m_out += ']';
    }

    QByteArray m_out;
    int m_nextId = 1;
    QHash<const void *, int> m_ids;
};

class Reader
{
public:
    template<class R>
    std::shared_ptr<R> readObject(const QJsonValue &value)
    {
        if (value.isNull())
            return nullptr;
        if (!value.isObject())
            malformed(QStringLiteral("an object is expected"));
        const QJsonObject obj = value.toObject();
        const QString type = obj.value(QLatin1String("type")).toString();
        if (type != QLatin1String(R::typeName))
            malformed(QStringLiteral("class \"%1\" where %2 is expected").arg(type, QLatin1String(R::typeName)));
        if (obj.contains(QLatin1String("ref"))) {
            const auto it = m_objects.constFind(obj.value(QLatin1String("ref")).toInt(-1));
            if (it == m_objects.constEnd())
                malformed(QStringLiteral("reference to an unknown object"));
            return std::static_pointer_cast<R>(*it);
        }
        const QJsonValue id = obj.value(QLatin1String("id"));
        const QJsonValue fields = obj.value(QLatin1String("fields"));
        if (!id.isDouble() || !fields.isObject())
            malformed(QStringLiteral("\"id\" and \"fields\" are required"));
        auto record = std::make_shared<R>();
        m_objects.insert(id.toInt(), record);
        const QJsonObject members = fields.toObject();
        R::visitFields(*record, [&](const char *name, auto &field) {
            const QJsonValue v = members.value(QLatin1String(name));
            if (!v.isUndefined())
                readField(name, v, field);
        });
        return record;
    }

private:
    static void expect(bool ok, const char *name, const char *kind)
    {
        if (!ok)
            malformed(QStringLiteral("field %1 must be %2").arg(QLatin1String(name), QLatin1String(kind)));
    }
    void readField(const char *name, const QJsonValue &v, QString &f)
    {
        expect(v.isString() || v.isNull(), name, "a string");
        f = v.toString();
    }
    void readField(const char *name, const QJsonValue &v, int &f)
    {
        expect(v.isDouble(), name, "a number");
        f = v.toInt();
    }
    void readField(const char *name, const QJsonValue &v, double &f)
    {
        expect(v.isDouble(), name, "a number");
        f = v.toDouble();
    }
    void readField(const char *name, const QJsonValue &v, bool &f)
    {
        expect(v.isBool(), name, "true or false");
        f = v.toBool();
    }
    void readField(const char *name, const QJsonValue &v, DayCount &f)
    {
        expect(v.isDouble(), name, "a number");
        f.days = v.toDouble();
    }
    template<class T>
    void readField(const char *name, const QJsonValue &v, QList<std::shared_ptr<T>> &f)
    {
        expect(v.isArray() || v.isNull(), name, "an array");
        f.clear();
        for (const QJsonValue item : v.toArray())
            f.append(readObject<T>(item));
    }

    QHash<int, std::shared_ptr<void>> m_objects;
};

QJsonValue parse(const QByteArray &json);

} // namespace JsonObjectForm

template<class R>
QByteArray toJsonObjectForm(const R &record)
{
    return JsonObjectForm::Writer().write(record);
}

// Empty text or JSON null gives no object; anything malformed raises DSException.
template<class R>
std::shared_ptr<R> fromJsonObjectForm(const QByteArray &json)
{
    if (json.isEmpty())
        return nullptr;
    return JsonObjectForm::Reader().readObject<R>(JsonObjectForm::parse(json));
}
