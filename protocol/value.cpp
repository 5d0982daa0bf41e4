#include "value.h"

namespace protocol {

namespace {
struct TypeName { FieldType t; const char* n; };
constexpr TypeName kFieldTypes[] = {
    {FieldType::Integer, "Integer"}, {FieldType::LargeInt, "LargeInt"}, {FieldType::Double, "Double"},
    {FieldType::Currency, "Currency"}, {FieldType::String, "String"}, {FieldType::WideMemo, "WideMemo"},
    {FieldType::Date, "Date"}, {FieldType::DateTime, "DateTime"}, {FieldType::Boolean, "Boolean"},
    {FieldType::Blob, "Blob"},
};
struct KindName { ValueKind k; const char* n; };
constexpr KindName kKinds[] = {
    {ValueKind::Null, "null"}, {ValueKind::Int32, "int32"}, {ValueKind::Int64, "int64"},
    {ValueKind::Double, "double"}, {ValueKind::String, "string"}, {ValueKind::Boolean, "boolean"},
    {ValueKind::Json, "json"}, {ValueKind::Callback, "callback"}, {ValueKind::Table, "table"},
    {ValueKind::Stream, "stream"},
};
} // namespace

QString fieldTypeName(FieldType t)
{
    for (const auto& e : kFieldTypes)
        if (e.t == t) return QString::fromLatin1(e.n);
    return QStringLiteral("String");
}

std::optional<FieldType> fieldTypeFromName(QStringView name)
{
    for (const auto& e : kFieldTypes)
        if (name == QLatin1String(e.n)) return e.t;
    return std::nullopt;
}

QString valueKindName(ValueKind k)
{
    for (const auto& e : kKinds)
        if (e.k == k) return QString::fromLatin1(e.n);
    return QStringLiteral("null");
}

std::optional<ValueKind> valueKindFromName(QStringView name)
{
    for (const auto& e : kKinds)
        if (name == QLatin1String(e.n)) return e.k;
    return std::nullopt;
}

int RowSet::columnIndex(QStringView name) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

qint32 Value::toInt32() const
{
    switch (k_) {
    case ValueKind::Int32: case ValueKind::Int64: return qint32(i_);
    case ValueKind::Double: return qint32(d_);
    case ValueKind::Boolean: return b_ ? 1 : 0;
    case ValueKind::Null: return 0;
    default: throw ProtocolError("value is not an integer");
    }
}

qint64 Value::toInt64() const
{
    switch (k_) {
    case ValueKind::Int32: case ValueKind::Int64: return i_;
    case ValueKind::Double: return qint64(d_);
    case ValueKind::Null: return 0;
    default: throw ProtocolError("value is not an integer");
    }
}

double Value::toDouble() const
{
    switch (k_) {
    case ValueKind::Double: return d_;
    case ValueKind::Int32: case ValueKind::Int64: return double(i_);
    case ValueKind::Null: return 0;
    default: throw ProtocolError("value is not a number");
    }
}

bool Value::toBool() const
{
    switch (k_) {
    case ValueKind::Boolean: return b_;
    case ValueKind::Int32: case ValueKind::Int64: return i_ != 0;
    case ValueKind::Null: return false;
    default: throw ProtocolError("value is not a boolean");
    }
}

QString Value::toString() const
{
    switch (k_) {
    case ValueKind::String: case ValueKind::Callback: return s_;
    case ValueKind::Null: return QString();
    case ValueKind::Json: return QString::fromUtf8(bytes_);
    default: throw ProtocolError("value is not a string");
    }
}

} // namespace protocol
