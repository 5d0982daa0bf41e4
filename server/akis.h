#pragma once
// Byte streams returned by remote methods, and the rule for reading them.
#include <QByteArray>
#include <functional>

namespace mivo {

class TStream {
public:
    explicit TStream(QByteArray data = {}) : data_(std::move(data)) {}
    qint64 Size() const { return data_.size(); }
    qint64 Position() const { return pos_; }
    void SetPosition(qint64 p) { pos_ = qBound<qint64>(0, p, data_.size()); }
    qint64 Read(char* buf, qint64 n);

private:
    QByteArray data_;
    qint64 pos_ = 0;
};

// The stream rule: nothing when boy is 0; otherwise read from the start in
// 1024-byte chunks until a read returns fewer; keep the bytes only when their
// count equals boy. ilerleme (optional) hears the count after every chunk.
bool AkisOku(TStream* s, qint64 boy, QByteArray& hedef,
             const std::function<void(qint64 alinan)>& ilerleme = {});

} // namespace mivo
