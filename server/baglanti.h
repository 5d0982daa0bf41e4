#pragma once
// The connection to the application server (bagc and its clones).
#include "protocol/codec.h"

#include <QString>
#include <memory>
#include <stdexcept>

class QTcpSocket;

namespace mivo {

// Raised when the server cannot be reached or the link breaks during a call.
class EBaglantiHatasi : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSQLConnection {
public:
    TSQLConnection();
    ~TSQLConnection();
    TSQLConnection(const TSQLConnection&) = delete;
    TSQLConnection& operator=(const TSQLConnection&) = delete;

    // Connection parameters; design-time values as the original form had them.
    QString DriverName = QStringLiteral("DataSnap");
    QString ConnectionName = QStringLiteral("DataSnapCONNECTION");
    QString CommunicationProtocol = QStringLiteral("tcp/ip");
    QString HostName = QStringLiteral("localhost");
    QString Port = QStringLiteral("9090");
    QString DatasnapContext = QStringLiteral("datasnap/");
    QString Filters = QStringLiteral("{}");
    bool LoginPrompt = false;

    void Open();                 // throws EBaglantiHatasi
    void Close();
    bool Connected() const;
    std::unique_ptr<TSQLConnection> CloneConnection() const;

    // One request/response exchange on the open connection.
    protocol::Response Execute(const protocol::Request& r);

    // Bytes sent and received since the connection was created (for benchmarks).
    qint64 bytesOnWire() const { return bytes_; }

private:
    QByteArray readFrame();
    std::unique_ptr<QTcpSocket> sock_;
    qint64 bytes_ = 0;
};

} // namespace mivo
