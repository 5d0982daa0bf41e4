#include "baglanti.h"
#include "yapilandirma.h"
#include "protocol/frame.h"

#include <QElapsedTimer>
#include <QTcpSocket>

namespace mivo {

TSQLConnection::TSQLConnection() = default;
TSQLConnection::~TSQLConnection() { Close(); }

void TSQLConnection::Open()
{
    if (Connected()) return;
    sock_ = std::make_unique<QTcpSocket>();
    bool ok = false;
    const quint16 port = Port.toUShort(&ok);
    if (!ok) throw EBaglantiHatasi("invalid port " + Port.toStdString());
    sock_->connectToHost(HostName, port);
    if (!sock_->waitForConnected(yapilandirma().baglanmaZamanAsimiMs)) {
        const std::string why = sock_->errorString().toStdString();
        sock_.reset();
        throw EBaglantiHatasi(why);
    }
    sock_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
}

void TSQLConnection::Close()
{
    if (!sock_) return;
    sock_->abort();
    sock_.reset();
}

bool TSQLConnection::Connected() const
{
    return sock_ && sock_->state() == QAbstractSocket::ConnectedState;
}

std::unique_ptr<TSQLConnection> TSQLConnection::CloneConnection() const
{
    auto c = std::make_unique<TSQLConnection>();
    c->DriverName = DriverName;
    c->ConnectionName = ConnectionName;
    c->CommunicationProtocol = CommunicationProtocol;
    c->HostName = HostName;
    c->Port = Port;
    c->DatasnapContext = DatasnapContext;
    c->Filters = Filters;
    c->LoginPrompt = LoginPrompt;
    return c;
}

QByteArray TSQLConnection::readFrame()
{
    protocol::FrameDecoder dec(protocol::kDefaultMaxFrame * 4);
    QElapsedTimer t;
    t.start();
    const int limit = yapilandirma().cagriZamanAsimiMs;
    for (;;) {
        if (auto p = dec.next()) return *p;
        if (dec.tooLarge()) throw EBaglantiHatasi("response frame too large");
        if (sock_->bytesAvailable() == 0) {
            const int left = limit - int(t.elapsed());
            if (left <= 0 || !sock_->waitForReadyRead(left)) {
                const bool closed = sock_->state() != QAbstractSocket::ConnectedState;
                Close();
                throw EBaglantiHatasi(closed ? "connection closed by the server" : "server did not answer in time");
            }
        }
        const QByteArray chunk = sock_->readAll();
        bytes_ += chunk.size();
        dec.feed(chunk.constData(), chunk.size());
    }
}

protocol::Response TSQLConnection::Execute(const protocol::Request& r)
{
    if (!Connected()) Open();
    const QByteArray out = protocol::frame(protocol::encodeRequest(r));
    bytes_ += out.size();
    qint64 written = 0;
    while (written < out.size()) {
        const qint64 n = sock_->write(out.constData() + written, out.size() - written);
        if (n < 0) { Close(); throw EBaglantiHatasi("write failed"); }
        written += n;
        while (sock_->bytesToWrite() > 0)
            if (!sock_->waitForBytesWritten(yapilandirma().cagriZamanAsimiMs)) {
                Close();
                throw EBaglantiHatasi("write timed out");
            }
    }
    const QByteArray payload = readFrame();
    return protocol::decodeResponse(payload);
}

} // namespace mivo
