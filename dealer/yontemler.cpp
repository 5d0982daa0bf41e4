#include "yontemler.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace dealer {

using protocol::ParamType;
using protocol::Value;
using protocol::ValueKind;

std::map<QString, Isleyici>& isleyiciler()
{
    static std::map<QString, Isleyici> m;
    return m;
}

Kayit::Kayit(const char* ad, Isleyici f) { isleyiciler()[QString::fromLatin1(ad)] = std::move(f); }

mivo::TSonucBilgisi Cagri::sb(int i) const
{
    mivo::TSonucBilgisi b;
    if (params[i].kind() == ValueKind::Json)
        if (auto r = mivo::NesneOku<mivo::TSonucBilgisi>(params[i].jsonText())) b.Kopyala(*r);
    return b;
}

namespace {

bool uyar(ParamType t, ValueKind k)
{
    switch (t) {
    case ParamType::Integer: return k == ValueKind::Int32;
    case ParamType::Int64: return k == ValueKind::Int64 || k == ValueKind::Int32;
    case ParamType::Double: return k == ValueKind::Double || k == ValueKind::Int32 || k == ValueKind::Int64;
    case ParamType::String: return k == ValueKind::String;
    case ParamType::Boolean: return k == ValueKind::Boolean;
    case ParamType::SonucBilgisi: case ParamType::Object: return k == ValueKind::Json || k == ValueKind::Null;
    case ParamType::Callback: return k == ValueKind::Callback || k == ValueKind::Null;
    }
    return false;
}

QString turAdi(ParamType t)
{
    switch (t) {
    case ParamType::Integer: return QStringLiteral("Integer");
    case ParamType::Int64: return QStringLiteral("Int64");
    case ParamType::Double: return QStringLiteral("Double");
    case ParamType::String: return QStringLiteral("string");
    case ParamType::Boolean: return QStringLiteral("Boolean");
    case ParamType::SonucBilgisi: return QStringLiteral("TSonucBilgisi");
    case ParamType::Object: return QStringLiteral("object");
    case ParamType::Callback: return QStringLiteral("callback");
    }
    return {};
}

} // namespace

QByteArray istegiIsle(const QByteArray& payload, Veritabani& db, const SunucuAyari& ayar)
{
    protocol::Request r;
    try {
        r = protocol::decodeRequest(payload);
    } catch (const std::exception& e) {
        return protocol::encodeError(QStringLiteral("TDBXError"), QStringLiteral("Malformed request: ") + QString::fromUtf8(e.what()));
    }
    const protocol::MethodSpec* tanim = protocol::findCommand(r.command);
    if (!tanim)
        return protocol::encodeError(QStringLiteral("TDBXError"), QStringLiteral("Server method %1 not found").arg(r.command));
    if (r.params.size() != int(tanim->params.size()))
        return protocol::encodeError(QStringLiteral("TDBXError"),
                                     QStringLiteral("%1 expects %2 parameters, got %3")
                                         .arg(r.command).arg(tanim->params.size()).arg(r.params.size()));
    for (int i = 0; i < r.params.size(); ++i) {
        const auto& ps = tanim->params[size_t(i)];
        if (ps.out) continue;
        if (!uyar(ps.type, r.params[i].kind()))
            return protocol::encodeError(QStringLiteral("TDBXError"),
                                         QStringLiteral("Parameter %1 (%2) of %3 must be %4, not %5")
                                             .arg(i).arg(QLatin1String(ps.name), r.command, turAdi(ps.type),
                                                         protocol::valueKindName(r.params[i].kind())));
    }
    auto it = isleyiciler().find(QString::fromLatin1(tanim->name));
    if (it == isleyiciler().end())
        return protocol::encodeError(QStringLiteral("TDBXError"), QStringLiteral("Server method %1 is not available").arg(r.command));
    Cagri c(*tanim, r.params, db, ayar);
    try {
        it->second(c);
    } catch (const SunucuHatasi& e) {
        return protocol::encodeError(e.sinif, QString::fromUtf8(e.what()));
    } catch (const VeritabaniHatasi& e) {
        return protocol::encodeError(QStringLiteral("EDatabaseError"), QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        return protocol::encodeError(QStringLiteral("Exception"), QString::fromUtf8(e.what()));
    } catch (...) {
        return protocol::encodeError(QStringLiteral("Exception"), QStringLiteral("unknown server error"));
    }
    return protocol::encodeResponse(c.cikti);
}

} // namespace dealer
