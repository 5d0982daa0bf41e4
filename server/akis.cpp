#include "akis.h"

#include <cstring>

namespace mivo {

qint64 TStream::Read(char* buf, qint64 n)
{
    const qint64 k = qMin(n, data_.size() - pos_);
    if (k <= 0) return 0;
    std::memcpy(buf, data_.constData() + pos_, size_t(k));
    pos_ += k;
    return k;
}

bool AkisOku(TStream* s, qint64 boy, QByteArray& hedef, const std::function<void(qint64)>& ilerleme)
{
    hedef.clear();
    if (boy == 0 || !s) return false;
    s->SetPosition(0);
    QByteArray buf;
    char chunk[1024];
    for (;;) {
        const qint64 n = s->Read(chunk, sizeof chunk);
        if (n > 0) buf.append(chunk, n);
        if (ilerleme) ilerleme(buf.size());
        if (n < qint64(sizeof chunk)) break;
    }
    if (buf.size() != boy) return false;   // dropped without a message
    hedef = std::move(buf);
    return true;
}

} // namespace mivo
