#pragma once
// Framing: a 4-byte big-endian payload length, then the UTF-8 JSON payload.
#include <QByteArray>
#include <cstdint>
#include <optional>

namespace protocol {

constexpr quint32 kDefaultMaxFrame = 64u * 1024u * 1024u;

QByteArray frame(const QByteArray& payload);

// Collects bytes as they arrive and hands out whole payloads. The buffer grows
// only with bytes actually received, never to the size a peer merely claims.
class FrameDecoder {
public:
    explicit FrameDecoder(quint32 maxPayload = kDefaultMaxFrame) : max_(maxPayload) {}
    void feed(const char* data, qsizetype len) { buf_.append(data, len); }
    // A complete payload, or nothing yet. After tooLarge() turns true it returns nothing.
    std::optional<QByteArray> next();
    bool tooLarge() const { return tooLarge_; }
    quint32 claimedSize() const { return claimed_; }
    // True while part of a frame has arrived and the rest is awaited.
    bool midFrame() const { return !buf_.isEmpty(); }

private:
    QByteArray buf_;
    quint32 max_;
    quint32 claimed_ = 0;
    bool tooLarge_ = false;
};

} // namespace protocol
