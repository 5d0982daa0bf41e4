#pragma once
// TServerMethods1Client: one method per remote method of the application server.
// Results (row sets, streams, objects) belong to the client object and stay valid
// until the same method is called again or the client is freed.
#include "baglantiu.h"
#include "dbxkomut.h"

#include <memory>

namespace mivo {

class TDSAdminClient {
public:
    virtual ~TDSAdminClient() = default;
    TSQLConnection* DBXConnection() const { return FDBXConnection; }
    bool InstanceOwner() const { return FInstanceOwner; }

protected:
    TDSAdminClient(TSQLConnection* c, bool instanceOwner) : FDBXConnection(c), FInstanceOwner(instanceOwner) {}
    // The command of a method, created and prepared on its first use.
    TDBXCommand& Komut(std::unique_ptr<TDBXCommand>& alan, const char* ad);

    static protocol::Value Nesne(std::unique_ptr<TSonucBilgisi> b);   // consumes the record
    protocol::RowSet* TabloSonuc(TDBXCommand& k);
    TStream* AkisSonuc(TDBXCommand& k, int ordinal);

    template <class R> R* NesneSonuc(TDBXCommand& k)
    {
        const protocol::Value& v = k.Output(k.Spec().resultOrdinal());
        if (v.kind() != protocol::ValueKind::Json) return nullptr;
        std::unique_ptr<R> r = NesneOku<R>(v.jsonText());
        if (!r) return nullptr;
        R* p = r.get();
        if (FInstanceOwner) k.Nesne = std::shared_ptr<void>(r.release(), [](void* x) { delete static_cast<R*>(x); });
        else r.release();   // the caller owns it
        return p;
    }

    TSQLConnection* FDBXConnection;
    bool FInstanceOwner;
};

// A fresh copy of a session record for one call (the call consumes it).
std::unique_ptr<TSonucBilgisi> SbKopya(const TSonucBilgisi& s);

class TServerMethods1Client : public TDSAdminClient {
public:
    explicit TServerMethods1Client(TSQLConnection* c) : TDSAdminClient(c, true) {}
    TServerMethods1Client(TSQLConnection* c, bool instanceOwner) : TDSAdminClient(c, instanceOwner) {}
    ~TServerMethods1Client() override;

    protocol::RowSet* SepetVer(int carino);
    TSonucBilgisi* BuyukGetir(const QString& idsi);
    TStream* ResimVer5(int stokno, qint64& boy);
    protocol::RowSet* StokAraMivo(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);

    QString EchoString(const QString& Value);
    QString ReverseString(const QString& Value);

private:
    std::unique_ptr<TDBXCommand> FSepetVerCommand;
    std::unique_ptr<TDBXCommand> FBuyukGetirCommand;
    std::unique_ptr<TDBXCommand> FResimVer5Command;
    std::unique_ptr<TDBXCommand> FStokAraMivoCommand;
    std::unique_ptr<TDBXCommand> FEchoStringCommand;
    std::unique_ptr<TDBXCommand> FReverseStringCommand;
};

} // namespace mivo
