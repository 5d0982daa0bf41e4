#pragma once
// The JSON object form of records: {"type":..., "id":..., "fields":{F-names in declaration order}}.
// A record lists its fields once, in Alanlar(v); writing and reading both walk that list.
//
// Dates travel as "yyyy-MM-dd" strings (null when the record has none). A list field is
// a JSON array of element objects, each in the same form; ids number the objects of one
// value in the order they are written, the outermost object being 1.
#include "protocol/jsonwriter.h"

#include <QByteArray>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>
#include <climits>
#include <memory>
#include <vector>

namespace mivo {

template <class R> void NesneYazSayacli(protocol::JsonWriter& w, const R& r, int& sayac);
template <class R> std::unique_ptr<R> NesneOku(const QJsonObject& o);

class AlanYazici {
public:
    AlanYazici(protocol::JsonWriter& w, int& sayac) : w_(w), sayac_(sayac) {}
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
    // An owning list: the elements in order; a missing element as null.
    template <class E> void operator()(const char* name, const std::vector<std::unique_ptr<E>>& v)
    {
        ayirici(name);
        w_.ch('[');
        for (size_t i = 0; i < v.size(); ++i) {
            if (i) w_.ch(',');
            if (v[i]) NesneYazSayacli(w_, *v[i], sayac_); else w_.null();
        }
        w_.ch(']');
    }
    // An array of elements held by value.
    template <class E> void operator()(const char* name, const QVector<E>& v)
    {
        ayirici(name);
        w_.ch('[');
        for (qsizetype i = 0; i < v.size(); ++i) {
            if (i) w_.ch(',');
            NesneYazSayacli(w_, v[i], sayac_);
        }
        w_.ch(']');
    }

private:
    protocol::JsonWriter& w_;
    int& sayac_;
    bool ilk_ = true;
};

class AlanOkuyucu {
public:
    explicit AlanOkuyucu(const QJsonObject& f) : f_(f) {}
    void operator()(const char* name, QString& v) { auto x = f_.value(QLatin1String(name)); if (x.isString()) v = x.toString(); }
    void operator()(const char* name, int& v)
    {
        // Out-of-range numbers are refused rather than wrapped.
        auto x = f_.value(QLatin1String(name));
        if (x.isDouble() && x.toDouble() >= double(INT_MIN) && x.toDouble() <= double(INT_MAX)) v = int(x.toDouble());
    }
    void operator()(const char* name, double& v) { auto x = f_.value(QLatin1String(name)); if (x.isDouble()) v = x.toDouble(); }
    void operator()(const char* name, bool& v) { auto x = f_.value(QLatin1String(name)); if (x.isBool()) v = x.toBool(); }
    void operator()(const char* name, QDate& v)
    {
        auto x = f_.value(QLatin1String(name));
        v = x.isString() ? QDate::fromString(x.toString().left(10), QStringLiteral("yyyy-MM-dd")) : QDate();
    }
    // Elements that are not objects of the element class are skipped.
    template <class E> void operator()(const char* name, std::vector<std::unique_ptr<E>>& v)
    {
        v.clear();
        const QJsonValue x = f_.value(QLatin1String(name));
        if (!x.isArray()) return;
        for (const QJsonValue e : x.toArray())
            if (e.isObject())
                if (auto r = NesneOku<E>(e.toObject())) v.push_back(std::move(r));
    }
    template <class E> void operator()(const char* name, QVector<E>& v)
    {
        v.clear();
        const QJsonValue x = f_.value(QLatin1String(name));
        if (!x.isArray()) return;
        for (const QJsonValue e : x.toArray())
            if (e.isObject())
                if (auto r = NesneOku<E>(e.toObject())) v.push_back(std::move(*r));
    }

private:
    QJsonObject f_;
};

// Writes "type","id","fields" for a record R with static TurAdi() and Alanlar();
// sayac is the id of this object and is advanced past every object written.
template <class R>
void NesneYazSayacli(protocol::JsonWriter& w, const R& r, int& sayac)
{
    w.raw("{\"type\":"); w.string(R::TurAdi());
    w.raw(",\"id\":"); w.number(qint64(sayac++));
    w.raw(",\"fields\":{");
    AlanYazici y(w, sayac);
    const_cast<R&>(r).Alanlar(y);
    w.raw("}}");
}

template <class R>
void NesneYaz(protocol::JsonWriter& w, const R& r, int id)
{
    NesneYazSayacli(w, r, id);
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
