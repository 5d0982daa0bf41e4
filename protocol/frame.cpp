#include "frame.h"

namespace protocol {

QByteArray frame(const QByteArray& payload)
{
    QByteArray out;
    out.reserve(payload.size() + 4);
    const quint32 n = quint32(payload.size());
    out.append(char((n >> 24) & 0xff));
    out.append(char((n >> 16) & 0xff));
    out.append(char((n >> 8) & 0xff));
    out.append(char(n & 0xff));
    out.append(payload);
    return out;
}

std::optional<QByteArray> FrameDecoder::next()
{
    if (tooLarge_ || buf_.size() < 4) return std::nullopt;
    const auto* p = reinterpret_cast<const unsigned char*>(buf_.constData());
    claimed_ = (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
    if (claimed_ > max_) {
        tooLarge_ = true;
        buf_.clear();
        return std::nullopt;
    }
    if (quint64(buf_.size()) < quint64(claimed_) + 4) return std::nullopt;
    QByteArray payload = buf_.mid(4, claimed_);
    buf_.remove(0, qsizetype(claimed_) + 4);
    return payload;
}

} // namespace protocol
