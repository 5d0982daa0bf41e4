#include "jsonwriter.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace protocol {

void JsonWriter::utf8String(const char* data, qsizetype len)
{
    static const char hex[] = "0123456789abcdef";
    out_.append('"');
    qsizetype start = 0;
    for (qsizetype i = 0; i < len; ++i) {
        const unsigned char c = static_cast<unsigned char>(data[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out_.append(data + start, i - start);
        switch (c) {
        case '"': out_.append("\\\""); break;
        case '\\': out_.append("\\\\"); break;
        case '\n': out_.append("\\n"); break;
        case '\r': out_.append("\\r"); break;
        case '\t': out_.append("\\t"); break;
        default: {
            char esc[7] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 15], 0};
            out_.append(esc, 6);
        }
        }
        start = i + 1;
    }
    out_.append(data + start, len - start);
    out_.append('"');
}

void JsonWriter::string(const QString& s)
{
    const QByteArray u = s.toUtf8();
    utf8String(u.constData(), u.size());
}

void JsonWriter::string(const char* latin1)
{
    utf8String(latin1, qsizetype(std::strlen(latin1)));
}

void JsonWriter::number(qint64 v)
{
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out_.append(buf, r.ptr - buf);
}

void JsonWriter::number(double v)
{
    if (!std::isfinite(v)) { null(); return; }
    char buf[40];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out_.append(buf, r.ptr - buf);
}

} // namespace protocol
