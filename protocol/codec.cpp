#include "codec.h"
#include "jsonwriter.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <simdjson.h>

namespace protocol {

const Value* Response::at(int ordinal) const
{
    for (const auto& o : outputs)
        if (o.ordinal == ordinal) return &o.value;
    return nullptr;
}

// ---------- dates ----------

QString dateToWire(const QDate& d)
{
    return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString dateTimeToWire(const QDateTime& dt)
{
    return dt.isValid() ? dt.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) : QString();
}

namespace {
bool digits(std::string_view s, size_t pos, size_t n, int& out)
{
    if (pos + n > s.size()) return false;
    int v = 0;
    for (size_t i = pos; i < pos + n; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        v = v * 10 + (s[i] - '0');
    }
    out = v;
    return true;
}
} // namespace

QDate dateFromWire(std::string_view s)
{
    int y, m, d;
    if (s.size() < 10 || s[4] != '-' || s[7] != '-' || !digits(s, 0, 4, y) || !digits(s, 5, 2, m) || !digits(s, 8, 2, d))
        return {};
    return QDate(y, m, d);
}

QDateTime dateTimeFromWire(std::string_view s)
{
    QDate date = dateFromWire(s);
    if (!date.isValid()) return {};
    int h = 0, mi = 0, se = 0, ms = 0;
    if (s.size() >= 19 && (s[10] == 'T' || s[10] == ' ')) {
        if (!digits(s, 11, 2, h) || !digits(s, 14, 2, mi) || !digits(s, 17, 2, se)) return {};
        if (s.size() >= 23 && s[19] == '.') digits(s, 20, 3, ms);
    }
    return QDateTime(date, QTime(h, mi, se, ms));
}

// ---------- encoding ----------

namespace {

void writeCell(JsonWriter& w, FieldType t, const QVariant& v)
{
    if (!v.isValid() || v.isNull()) { w.null(); return; }
    switch (t) {
    case FieldType::Integer: case FieldType::LargeInt: w.number(v.toLongLong()); break;
    case FieldType::Double: case FieldType::Currency: w.number(v.toDouble()); break;
    case FieldType::Boolean: w.boolean(v.toBool()); break;
    case FieldType::Date: w.string(dateToWire(v.toDate())); break;
    case FieldType::DateTime: w.string(dateTimeToWire(v.toDateTime())); break;
    case FieldType::Blob: {
        const QByteArray b = v.toByteArray().toBase64();
        w.utf8String(b.constData(), b.size());
        break;
    }
    case FieldType::String: case FieldType::WideMemo: w.string(v.toString()); break;
    }
}

void writeTable(JsonWriter& w, const RowSet& t)
{
    w.raw("{\"columns\":[");
    for (int i = 0; i < t.columns.size(); ++i) {
        const Column& c = t.columns[i];
        if (i) w.ch(',');
        w.raw("{\"name\":"); w.string(c.name);
        w.raw(",\"type\":"); w.string(fieldTypeName(c.type));
        w.raw(",\"size\":"); w.number(qint64(c.size));
        w.raw(",\"precision\":"); w.number(qint64(c.precision));
        w.raw(",\"scale\":"); w.number(qint64(c.scale));
        w.ch('}');
    }
    w.raw("],\"rows\":[");
    const int nc = t.columns.size();
    for (int r = 0; r < t.rows.size(); ++r) {
        if (r) w.ch(',');
        w.ch('[');
        const auto& row = t.rows[r];
        for (int c = 0; c < nc; ++c) {
            if (c) w.ch(',');
            writeCell(w, t.columns[c].type, c < row.size() ? row[c] : QVariant());
        }
        w.ch(']');
    }
    w.raw("]}");
}

void writeValue(JsonWriter& w, const Value& v)
{
    w.raw("\"type\":");
    w.string(valueKindName(v.kind()));
    switch (v.kind()) {
    case ValueKind::Null: return;
    case ValueKind::Int32: case ValueKind::Int64: w.raw(",\"value\":"); w.number(v.toInt64()); return;
    case ValueKind::Double: w.raw(",\"value\":"); w.number(v.toDouble()); return;
    case ValueKind::Boolean: w.raw(",\"value\":"); w.boolean(v.toBool()); return;
    case ValueKind::String: case ValueKind::Callback: w.raw(",\"value\":"); w.string(v.toString()); return;
    case ValueKind::Json:
        w.raw(",\"value\":");
        if (v.jsonText().isEmpty()) w.null(); else w.raw(v.jsonText());
        return;
    case ValueKind::Stream: {
        w.raw(",\"value\":");
        const QByteArray b = v.streamBytes().toBase64();
        w.utf8String(b.constData(), b.size());
        return;
    }
    case ValueKind::Table:
        w.raw(",\"value\":");
        if (v.rowSet()) writeTable(w, *v.rowSet()); else w.null();
        return;
    }
}

} // namespace

QByteArray encodeRequest(const Request& r)
{
    QByteArray out;
    JsonWriter w(out);
    w.raw("{\"command\":"); w.string(r.command);
    w.raw(",\"params\":[");
    for (int i = 0; i < r.params.size(); ++i) {
        if (i) w.ch(',');
        w.ch('{'); writeValue(w, r.params[i]); w.ch('}');
    }
    w.raw("]}");
    return out;
}

QByteArray encodeResponse(const QVector<Output>& outputs)
{
    QByteArray out;
    JsonWriter w(out);
    w.raw("{\"results\":[");
    for (int i = 0; i < outputs.size(); ++i) {
        if (i) w.ch(',');
        w.raw("{\"ordinal\":"); w.number(qint64(outputs[i].ordinal)); w.ch(',');
        writeValue(w, outputs[i].value);
        w.ch('}');
    }
    w.raw("]}");
    return out;
}

QByteArray encodeError(const QString& cls, const QString& message)
{
    QByteArray out;
    JsonWriter w(out);
    w.raw("{\"error\":{\"class\":"); w.string(cls);
    w.raw(",\"message\":"); w.string(message);
    w.raw("}}");
    return out;
}

// ---------- decoding ----------

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

[[noreturn]] void fail(const char* what) { throw ProtocolError(what); }

std::string_view needString(element e, const char* what)
{
    std::string_view s;
    if (e.get_string().get(s)) fail(what);
    return s;
}

QString qstr(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

qint64 needInt(element e, const char* what)
{
    int64_t i;
    if (!e.get_int64().get(i)) return i;
    uint64_t u;
    if (!e.get_uint64().get(u)) fail(what);   // above int64 range
    double d;
    if (!e.get_double().get(d) && d == double(qint64(d))) return qint64(d);
    fail(what);
}

double needNumber(element e, const char* what)
{
    double d;
    if (!e.get_double().get(d)) return d;
    int64_t i;
    if (!e.get_int64().get(i)) return double(i);
    uint64_t u;
    if (!e.get_uint64().get(u)) return double(u);
    fail(what);
}

QByteArray fromBase64(std::string_view s, const char* what)
{
    auto r = QByteArray::fromBase64Encoding(QByteArray::fromRawData(s.data(), qsizetype(s.size())),
                                            QByteArray::AbortOnBase64DecodingErrors);
    if (!r) fail(what);
    return *r;
}

QVariant readCell(element e, FieldType t)
{
    if (e.is_null()) return {};
    switch (t) {
    case FieldType::Integer: return QVariant(int(needInt(e, "bad Integer cell")));
    case FieldType::LargeInt: return QVariant(qlonglong(needInt(e, "bad LargeInt cell")));
    case FieldType::Double: case FieldType::Currency: return QVariant(needNumber(e, "bad number cell"));
    case FieldType::Boolean: {
        bool b;
        if (e.get_bool().get(b)) fail("bad Boolean cell");
        return QVariant(b);
    }
    case FieldType::Date: return QVariant(dateFromWire(needString(e, "bad Date cell")));
    case FieldType::DateTime: return QVariant(dateTimeFromWire(needString(e, "bad DateTime cell")));
    case FieldType::Blob: return QVariant(fromBase64(needString(e, "bad Blob cell"), "bad Blob cell"));
    case FieldType::String: case FieldType::WideMemo: return QVariant(qstr(needString(e, "bad String cell")));
    }
    return {};
}

std::shared_ptr<RowSet> readTable(element e)
{
    simdjson::dom::object o;
    if (e.get_object().get(o)) fail("table is not an object");
    simdjson::dom::array cols, rows;
    if (o["columns"].get_array().get(cols) || o["rows"].get_array().get(rows)) fail("table lacks columns or rows");
    auto t = std::make_shared<RowSet>();
    for (element c : cols) {
        simdjson::dom::object co;
        if (c.get_object().get(co)) fail("bad column");
        Column col;
        element n;
        if (co["name"].get(n)) fail("column without name");
        col.name = qstr(needString(n, "bad column name"));
        if (co["type"].get(n)) fail("column without type");
        auto ft = fieldTypeFromName(qstr(needString(n, "bad column type")));
        if (!ft) fail("unknown column type");
        col.type = *ft;
        if (!co["size"].get(n)) col.size = int(needInt(n, "bad column size"));
        if (!co["precision"].get(n)) col.precision = int(needInt(n, "bad column precision"));
        if (!co["scale"].get(n)) col.scale = int(needInt(n, "bad column scale"));
        t->columns.push_back(std::move(col));
    }
    const int nc = t->columns.size();
    t->rows.reserve(qsizetype(rows.size()));
    for (element r : rows) {
        simdjson::dom::array cells;
        if (r.get_array().get(cells)) fail("row is not an array");
        QVector<QVariant> row;
        row.reserve(nc);
        int c = 0;
        for (element cell : cells) {
            if (c >= nc) fail("row has more cells than columns");
            row.push_back(readCell(cell, t->columns[c].type));
            ++c;
        }
        if (c != nc) fail("row has fewer cells than columns");
        t->rows.push_back(std::move(row));
    }
    return t;
}

Value readValue(element e)
{
    simdjson::dom::object o;
    if (e.get_object().get(o)) fail("value is not an object");
    element te;
    if (o["type"].get(te)) fail("value without type");
    auto kind = valueKindFromName(qstr(needString(te, "bad value type")));
    if (!kind) fail("unknown value type");
    if (*kind == ValueKind::Null) return Value::null();
    element v;
    if (o["value"].get(v)) fail("value missing");
    switch (*kind) {
    case ValueKind::Null: return Value::null();
    case ValueKind::Int32: {
        qint64 i = needInt(v, "bad int32");
        if (i < INT32_MIN || i > INT32_MAX) fail("int32 out of range");
        return Value::int32(qint32(i));
    }
    case ValueKind::Int64: return Value::int64(needInt(v, "bad int64"));
    case ValueKind::Double: return Value::dbl(v.is_null() ? 0.0 : needNumber(v, "bad double"));
    case ValueKind::Boolean: {
        bool b;
        if (v.get_bool().get(b)) fail("bad boolean");
        return Value::boolean(b);
    }
    case ValueKind::String: return Value::string(qstr(needString(v, "bad string")));
    case ValueKind::Callback: return Value::callback(qstr(needString(v, "bad callback")));
    case ValueKind::Json: {
        if (v.is_null()) return Value::null();
        const std::string text = simdjson::minify(v);
        return Value::json(QByteArray(text.data(), qsizetype(text.size())));
    }
    case ValueKind::Stream: return Value::stream(fromBase64(needString(v, "bad stream"), "bad stream"));
    case ValueKind::Table:
        if (v.is_null()) return Value::null();
        return Value::table(readTable(v));
    }
    fail("unknown value type");
}

element parse(simdjson::dom::parser& p, const QByteArray& payload)
{
    element root;
    if (p.parse(payload.constData(), size_t(payload.size()), true).get(root)) fail("malformed JSON");
    return root;
}

thread_local simdjson::dom::parser tlParser;

} // namespace

Request decodeRequest(const QByteArray& payload)
{
    element root = parse(tlParser, payload);
    simdjson::dom::object o;
    if (root.get_object().get(o)) fail("request is not an object");
    Request r;
    element c;
    if (o["command"].get(c)) fail("request without command");
    r.command = qstr(needString(c, "bad command"));
    simdjson::dom::array ps;
    if (o["params"].get_array().get(ps)) fail("request without params");
    for (element p : ps) r.params.push_back(readValue(p));
    return r;
}

Response decodeResponse(const QByteArray& payload)
{
    element root = parse(tlParser, payload);
    simdjson::dom::object o;
    if (root.get_object().get(o)) fail("response is not an object");
    Response r;
    element err;
    if (!o["error"].get(err)) {
        simdjson::dom::object eo;
        if (err.get_object().get(eo)) fail("bad error");
        element x;
        r.isError = true;
        if (!eo["class"].get(x)) r.errorClass = qstr(needString(x, "bad error class"));
        if (!eo["message"].get(x)) r.errorMessage = qstr(needString(x, "bad error message"));
        return r;
    }
    simdjson::dom::array rs;
    if (o["results"].get_array().get(rs)) fail("response without results");
    for (element e : rs) {
        simdjson::dom::object eo;
        if (e.get_object().get(eo)) fail("bad result");
        element ord;
        if (eo["ordinal"].get(ord)) fail("result without ordinal");
        Output out;
        out.ordinal = int(needInt(ord, "bad ordinal"));
        out.value = readValue(e);
        r.outputs.push_back(std::move(out));
    }
    return r;
}

} // namespace protocol
