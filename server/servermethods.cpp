#include "servermethods.h"

namespace mivo {

using protocol::Value;

TDBXCommand& TDSAdminClient::Komut(std::unique_ptr<TDBXCommand>& alan, const char* ad)
{
    if (!alan) {
        const protocol::MethodSpec* spec = protocol::findMethod(QString::fromLatin1(ad));
        if (!spec) throw protocol::ProtocolError(std::string("unknown method ") + ad);
        alan = std::make_unique<TDBXCommand>(FDBXConnection, *spec);
        alan->Prepare();
    }
    return *alan;
}

Value TDSAdminClient::Nesne(std::unique_ptr<TSonucBilgisi> b)
{
    if (!b) return Value::null();
    return Value::json(NesneJson(*b));
}

protocol::RowSet* TDSAdminClient::TabloSonuc(TDBXCommand& k)
{
    const Value& v = k.Output(k.Spec().resultOrdinal());
    k.Tablo = v.rowSet() ? v.rowSet() : std::make_shared<protocol::RowSet>();
    return k.Tablo.get();
}

TStream* TDSAdminClient::AkisSonuc(TDBXCommand& k, int ordinal)
{
    const Value& v = k.Output(ordinal);
    k.Akis = std::make_unique<TStream>(v.kind() == protocol::ValueKind::Stream ? v.streamBytes() : QByteArray());
    return k.Akis.get();
}

std::unique_ptr<TSonucBilgisi> SbKopya(const TSonucBilgisi& s)
{
    auto k = std::make_unique<TSonucBilgisi>();
    k->Kopyala(s);
    return k;
}

TServerMethods1Client::~TServerMethods1Client() = default;

protocol::RowSet* TServerMethods1Client::SepetVer(int carino)
{
    auto& k = Komut(FSepetVerCommand, "SepetVer");
    k.Parameters[0] = Value::int32(carino);
    k.ExecuteUpdate();
    return TabloSonuc(k);
}

TSonucBilgisi* TServerMethods1Client::BuyukGetir(const QString& idsi)
{
    auto& k = Komut(FBuyukGetirCommand, "BuyukGetir");
    k.Parameters[0] = Value::string(idsi);
    k.ExecuteUpdate();
    return NesneSonuc<TSonucBilgisi>(k);
}

TStream* TServerMethods1Client::ResimVer5(int stokno, qint64& boy)
{
    auto& k = Komut(FResimVer5Command, "ResimVer5");
    k.Parameters[0] = Value::int32(stokno);
    k.ExecuteUpdate();
    boy = k.Output(1).toInt64();
    return AkisSonuc(k, 2);
}

protocol::RowSet* TServerMethods1Client::StokAraMivo(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi)
{
    auto& k = Komut(FStokAraMivoCommand, "StokAraMivo");
    k.Parameters[0] = Value::string(kod);
    k.Parameters[1] = Nesne(std::move(bilgi));
    k.ExecuteUpdate();
    return TabloSonuc(k);
}

QString TServerMethods1Client::EchoString(const QString& v)
{
    auto& k = Komut(FEchoStringCommand, "EchoString");
    k.Parameters[0] = Value::string(v);
    k.ExecuteUpdate();
    return k.Output(1).toString();
}

QString TServerMethods1Client::ReverseString(const QString& v)
{
    auto& k = Komut(FReverseStringCommand, "ReverseString");
    k.Parameters[0] = Value::string(v);
    k.ExecuteUpdate();
    return k.Output(1).toString();
}

} // namespace mivo
