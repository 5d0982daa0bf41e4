#pragma once
// One prepared server-method command of a client object, and what it owns.
#include "akis.h"
#include "baglanti.h"
#include "protocol/catalogue.h"

#include <memory>

namespace mivo {

class TDBXCommand {
public:
    TDBXCommand(TSQLConnection* c, const protocol::MethodSpec& tanim);

    QString CommandType = QStringLiteral("DataSnap.ServerMethod");
    QString Text;   // "TServerMethods1." + name

    // Parameters by ordinal, the result at the last ordinal.
    QVector<protocol::Value> Parameters;

    void Prepare();
    void ExecuteUpdate();   // throws protocol::RemoteError / EBaglantiHatasi

    const protocol::Value& Output(int ordinal) const;
    const protocol::MethodSpec& Tanim() const { return tanim_; }

    // What the command keeps until the method is called again or the client is freed.
    std::shared_ptr<protocol::RowSet> Tablo;
    std::unique_ptr<TStream> Akis;
    std::shared_ptr<void> Nesne;
    void SahiplikBirak();

private:
    TSQLConnection* conn_;
    const protocol::MethodSpec& tanim_;
    QVector<protocol::Value> outputs_;
    bool prepared_ = false;
};

} // namespace mivo
