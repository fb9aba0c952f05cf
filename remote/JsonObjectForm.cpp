#include "JsonObjectForm.h"

#include <cmath>

namespace JsonObjectForm {

void appendString(QByteArray &out, const QString &s)
{
    out += '"';
    const QByteArray utf8 = s.toUtf8();
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

void appendNumber(QByteArray &out, double v)
{
    // JSON has no NaN or infinity; such a value has no meaningful amount, so it goes as 0.
    if (!std::isfinite(v))
        v = 0;
    // Shortest general text with up to 15 significant digits, "." as separator.
    out += QByteArray::number(v, 'g', 15);
}

void malformed(const QString &what)
{
    throw DSException(QStringLiteral("Malformed JSON object form: %1").arg(what), QStringLiteral("EJSONException"));
}

QJsonValue parse(const QByteArray &json)
{
    if (json.trimmed() == "null")
        return QJsonValue(QJsonValue::Null);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        malformed(error.errorString());
    if (!doc.isObject())
        malformed(QStringLiteral("an object is expected"));
    return doc.object();
}

} // namespace JsonObjectForm
