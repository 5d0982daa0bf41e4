#include "dbxkomut.h"

namespace mivo {

TDBXCommand::TDBXCommand(TSQLConnection* c, const protocol::MethodSpec& tanim)
    : Text(tanim.command()), conn_(c), tanim_(tanim)
{
}

void TDBXCommand::Prepare()
{
    Parameters = QVector<protocol::Value>(int(tanim_.params.size()) + (tanim_.result == protocol::ResultType::None ? 0 : 1));
    prepared_ = true;
}

void TDBXCommand::SahiplikBirak()
{
    Tablo.reset();
    Akis.reset();
    Nesne.reset();
}

void TDBXCommand::ExecuteUpdate()
{
    if (!prepared_) Prepare();
    SahiplikBirak();
    protocol::Request r;
    r.command = Text;
    for (int i = 0; i < int(tanim_.params.size()); ++i)
        r.params.push_back(tanim_.params[size_t(i)].out ? protocol::Value::null() : Parameters.value(i));
    protocol::Response resp = conn_->Execute(r);
    if (resp.isError) throw protocol::RemoteError(resp.errorClass, resp.errorMessage);
    outputs_ = QVector<protocol::Value>(Parameters.size());
    for (const auto& o : resp.outputs)
        if (o.ordinal >= 0 && o.ordinal < outputs_.size()) outputs_[o.ordinal] = o.value;
}

const protocol::Value& TDBXCommand::Output(int ordinal) const
{
    static const protocol::Value bos;
    return (ordinal >= 0 && ordinal < outputs_.size()) ? outputs_[ordinal] : bos;
}

} // namespace mivo
