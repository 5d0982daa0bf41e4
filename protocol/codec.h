#pragma once
// Requests and responses of the wire protocol (docs/protocol.md).
#include "value.h"

#include <utility>

namespace protocol {

struct Request {
    QString command;          // "TServerMethods1." + method name
    QVector<Value> params;    // every parameter by ordinal, output parameters as null
};

struct Output {
    int ordinal = 0;
    Value value;
};

struct Response {
    bool isError = false;
    QString errorClass;
    QString errorMessage;
    QVector<Output> outputs;  // output parameters and the result, by ordinal
    const Value* at(int ordinal) const;
};

QByteArray encodeRequest(const Request& r);
QByteArray encodeResponse(const QVector<Output>& outputs);
QByteArray encodeError(const QString& cls, const QString& message);

// Both throw ProtocolError on anything malformed; neither trusts sizes it reads.
Request decodeRequest(const QByteArray& payload);
Response decodeResponse(const QByteArray& payload);

// Cell text forms used in row sets.
QString dateToWire(const QDate& d);
QString dateTimeToWire(const QDateTime& dt);
QDate dateFromWire(std::string_view s);
QDateTime dateTimeFromWire(std::string_view s);

} // namespace protocol
