#pragma once
// The JSON object form of records: {"type":..., "id":..., "fields":{F-names in declaration order}}.
// A record lists its fields once, in Alanlar(v); writing and reading both walk that list.
#include "protocol/jsonwriter.h"

#include <QByteArray>
#include <QDate>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <memory>

namespace mivo {

class AlanYazici {
public:
    explicit AlanYazici(protocol::JsonWriter& w) : w_(w) {}
    void ayirici(const char* name) { if (!ilk_) w_.ch(','); ilk_ = false; w_.key(name); }
    void operator()(const char* name, const QString& v) { ayirici(name); w_.string(v); }
    void operator()(const char* name, const int& v) { ayirici(name); w_.number(qint64(v)); }
    void operator()(const char* name, const double& v) { ayirici(name); w_.number(v); }
    void operator()(const char* name, const bool& v) { ayirici(name); w_.boolean(v); }
    // A date travels as "yyyy-MM-dd", or null when it has none.
    void operator()(const char* name, const QDate& v)
    {
        ayirici(name);
        if (v.isValid()) w_.string(v.toString(QStringLiteral("yyyy-MM-dd"))); else w_.null();
    }
private:
    protocol::JsonWriter& w_;
    bool ilk_ = true;
};

class AlanOkuyucu {
public:
    explicit AlanOkuyucu(const QJsonObject& f) : f_(f) {}
    void operator()(const char* name, QString& v) { auto x = f_.value(QLatin1String(name)); if (x.isString()) v = x.toString(); }
    void operator()(const char* name, int& v) { auto x = f_.value(QLatin1String(name)); if (x.isDouble()) v = int(x.toDouble()); }
    void operator()(const char* name, double& v) { auto x = f_.value(QLatin1String(name)); if (x.isDouble()) v = x.toDouble(); }
    void operator()(const char* name, bool& v) { auto x = f_.value(QLatin1String(name)); if (x.isBool()) v = x.toBool(); }
    void operator()(const char* name, QDate& v)
    {
        auto x = f_.value(QLatin1String(name));
        v = x.isString() ? QDate::fromString(x.toString().left(10), QStringLiteral("yyyy-MM-dd")) : QDate();
    }
private:
    QJsonObject f_;
};

// Writes "type","id","fields" for a record R with static TurAdi() and Alanlar().
template <class R>
void NesneYaz(protocol::JsonWriter& w, const R& r, int id)
{
    w.raw("{\"type\":"); w.string(R::TurAdi());
    w.raw(",\"id\":"); w.number(qint64(id));
    w.raw(",\"fields\":{");
    AlanYazici y(w);
    const_cast<R&>(r).Alanlar(y);
    w.raw("}}");
}

template <class R>
QByteArray NesneJson(const R& r, int id = 1)
{
    QByteArray out;
    protocol::JsonWriter w(out);
    NesneYaz(w, r, id);
    return out;
}

// A record from its JSON object; nullptr for null, for another type or for bad text.
template <class R>
std::unique_ptr<R> NesneOku(const QJsonObject& o)
{
    if (o.value(QLatin1String("type")).toString() != QLatin1String(R::TurAdi())) return nullptr;
    auto r = std::make_unique<R>();
    AlanOkuyucu ok(o.value(QLatin1String("fields")).toObject());
    r->Alanlar(ok);
    return r;
}

template <class R>
std::unique_ptr<R> NesneOku(const QByteArray& json)
{
    if (json.isEmpty()) return nullptr;
    const QJsonDocument d = QJsonDocument::fromJson(json);
    if (!d.isObject()) return nullptr;
    return NesneOku<R>(d.object());
}

} // namespace mivo
