#pragma once
// Values that cross the wire between the client and mivo-server.
#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>
#include <optional>
#include <stdexcept>

namespace protocol {

// Column data types of a row set.
enum class FieldType { Integer, LargeInt, Double, Currency, String, WideMemo, Date, DateTime, Boolean, Blob };

QString fieldTypeName(FieldType t);
std::optional<FieldType> fieldTypeFromName(QStringView name);

struct Column {
    QString name;
    FieldType type = FieldType::String;
    int size = 0;
    int precision = 0;
    int scale = 0;
};

// Cells: Integer -> int, LargeInt -> qlonglong, Double/Currency -> double,
// String/WideMemo -> QString, Date -> QDate, DateTime -> QDateTime,
// Boolean -> bool, Blob -> QByteArray; SQL NULL -> invalid QVariant.
struct RowSet {
    QVector<Column> columns;
    QVector<QVector<QVariant>> rows;
    int columnIndex(QStringView name) const;
};

enum class ValueKind { Null, Int32, Int64, Double, String, Boolean, Json, Callback, Table, Stream };
QString valueKindName(ValueKind k);
std::optional<ValueKind> valueKindFromName(QStringView name);

class Value {
public:
    Value() = default;
    static Value null() { return {}; }
    static Value int32(qint32 v) { Value x; x.k_ = ValueKind::Int32; x.i_ = v; return x; }
    static Value int64(qint64 v) { Value x; x.k_ = ValueKind::Int64; x.i_ = v; return x; }
    static Value dbl(double v) { Value x; x.k_ = ValueKind::Double; x.d_ = v; return x; }
    static Value string(const QString& v) { Value x; x.k_ = ValueKind::String; x.s_ = v; return x; }
    static Value boolean(bool v) { Value x; x.k_ = ValueKind::Boolean; x.b_ = v; return x; }
    // An object in its JSON object form, kept as compact JSON text so member order survives.
    static Value json(const QByteArray& text) { Value x; x.k_ = ValueKind::Json; x.bytes_ = text; return x; }
    static Value callback(const QString& id = QString()) { Value x; x.k_ = ValueKind::Callback; x.s_ = id; return x; }
    static Value table(std::shared_ptr<RowSet> t) { Value x; x.k_ = ValueKind::Table; x.table_ = std::move(t); return x; }
    static Value stream(const QByteArray& bytes) { Value x; x.k_ = ValueKind::Stream; x.bytes_ = bytes; return x; }

    ValueKind kind() const { return k_; }
    bool isNull() const { return k_ == ValueKind::Null; }

    qint32 toInt32() const;
    qint64 toInt64() const;
    double toDouble() const;
    bool toBool() const;
    QString toString() const;
    const QByteArray& jsonText() const { return bytes_; }
    const QByteArray& streamBytes() const { return bytes_; }
    std::shared_ptr<RowSet> rowSet() const { return table_; }

private:
    ValueKind k_ = ValueKind::Null;
    qint64 i_ = 0;
    double d_ = 0;
    bool b_ = false;
    QString s_;
    QByteArray bytes_;
    std::shared_ptr<RowSet> table_;
};

// A malformed frame or payload.
class ProtocolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An error the server reported for a call; the client raises it to the caller.
class RemoteError : public std::runtime_error {
public:
    RemoteError(const QString& cls, const QString& msg)
        : std::runtime_error(msg.toStdString()), className(cls), message(msg) {}
    QString className;
    QString message;
};

} // namespace protocol
