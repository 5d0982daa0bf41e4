#pragma once
// A small append-only JSON writer: QJsonDocument loses member order and is slow
// for large row sets, so everything we send is written with this.
#include <QByteArray>
#include <QString>

namespace protocol {

class JsonWriter {
public:
    explicit JsonWriter(QByteArray& out) : out_(out) {}
    void raw(const char* s) { out_.append(s); }
    void raw(const QByteArray& s) { out_.append(s); }
    void ch(char c) { out_.append(c); }
    void string(const QString& s);
    void string(const char* latin1);
    void utf8String(const char* data, qsizetype len);
    void number(qint64 v);
    void number(double v);   // shortest round-trip form; NaN/Inf become null
    void boolean(bool v) { out_.append(v ? "true" : "false"); }
    void null() { out_.append("null"); }
    void key(const char* latin1) { string(latin1); out_.append(':'); }

private:
    QByteArray& out_;
};

} // namespace protocol
