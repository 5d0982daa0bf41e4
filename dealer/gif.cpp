#include "gif.h"

#include <QHash>

namespace dealer {

namespace {

// 6×6×6 colour cube plus 40 greys: every frame shares this global palette.
struct Palet {
    uchar rgb[256][3];
    Palet()
    {
        int i = 0;
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b, ++i) {
                    rgb[i][0] = uchar(r * 51); rgb[i][1] = uchar(g * 51); rgb[i][2] = uchar(b * 51);
                }
        for (int k = 0; i < 256; ++i, ++k) {
            const uchar v = uchar(6 + k * 6);
            rgb[i][0] = rgb[i][1] = rgb[i][2] = v;
        }
    }
    uchar en_yakin(QRgb p) const
    {
        const int r = qRed(p), g = qGreen(p), b = qBlue(p);
        const int ri = (r + 25) / 51, gi = (g + 25) / 51, bi = (b + 25) / 51;
        const int kup = ri * 36 + gi * 6 + bi;
        // Near-grey pixels look better on the grey ramp.
        if (qAbs(r - g) < 8 && qAbs(g - b) < 8) {
            const int gri = qBound(0, ((r + g + b) / 3 - 6 + 3) / 6, 39);
            const int d1 = qAbs(rgb[216 + gri][0] - r), d2 = qAbs(rgb[kup][0] - r) + qAbs(rgb[kup][1] - g) + qAbs(rgb[kup][2] - b);
            if (d1 * 3 <= d2) return uchar(216 + gri);
        }
        return uchar(kup);
    }
};

class BitYazici {
public:
    explicit BitYazici(QByteArray& o) : out_(o) {}
    void yaz(int kod, int boy)
    {
        acc_ |= quint32(kod) << n_;
        n_ += boy;
        while (n_ >= 8) { bayt(uchar(acc_ & 0xff)); acc_ >>= 8; n_ -= 8; }
    }
    void bitir()
    {
        if (n_ > 0) bayt(uchar(acc_ & 0xff));
        blokBitir();
        out_.append(char(0));   // block terminator
    }

private:
    void bayt(uchar b)
    {
        blok_.append(char(b));
        if (blok_.size() == 255) blokBitir();
    }
    void blokBitir()
    {
        if (blok_.isEmpty()) return;
        out_.append(char(blok_.size()));
        out_.append(blok_);
        blok_.clear();
    }
    QByteArray& out_;
    QByteArray blok_;
    quint32 acc_ = 0;
    int n_ = 0;
};

void lzw(QByteArray& out, const QVector<uchar>& px)
{
    const int minBoy = 8, temiz = 1 << minBoy, son = temiz + 1;
    out.append(char(minBoy));
    BitYazici w(out);
    QHash<quint32, int> sozluk;
    int sonraki = son + 1, boy = minBoy + 1;
    w.yaz(temiz, boy);
    if (px.isEmpty()) { w.yaz(son, boy); w.bitir(); return; }
    int onek = px[0];
    for (int i = 1; i < px.size(); ++i) {
        const uchar k = px[i];
        const quint32 anahtar = (quint32(onek) << 8) | k;
        auto it = sozluk.constFind(anahtar);
        if (it != sozluk.constEnd()) { onek = it.value(); continue; }
        w.yaz(onek, boy);
        if (sonraki < 4096) {
            if (sonraki == (1 << boy) && boy < 12) ++boy;
            sozluk.insert(anahtar, sonraki++);
        } else {
            w.yaz(temiz, boy);
            sozluk.clear();
            sonraki = son + 1;
            boy = minBoy + 1;
        }
        onek = k;
    }
    w.yaz(onek, boy);
    w.yaz(son, boy);
    w.bitir();
}

void u16(QByteArray& o, int v) { o.append(char(v & 0xff)); o.append(char((v >> 8) & 0xff)); }

} // namespace

QByteArray gifYaz(const QVector<QImage>& kareler, int gecikmeCs)
{
    if (kareler.isEmpty()) return {};
    static const Palet pal;
    const int w = kareler[0].width(), h = kareler[0].height();
    QByteArray o("GIF89a");
    u16(o, w);
    u16(o, h);
    o.append(char(0xF7));   // global colour table of 256 entries
    o.append(char(0));
    o.append(char(0));
    for (auto& c : pal.rgb) o.append(reinterpret_cast<const char*>(c), 3);
    // Loop forever.
    o.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (const QImage& k0 : kareler) {
        const QImage k = k0.convertToFormat(QImage::Format_RGB32).scaled(w, h);
        o.append("\x21\xF9\x04\x00", 4);
        u16(o, gecikmeCs);
        o.append(char(0));
        o.append(char(0));
        o.append(char(0x2C));
        u16(o, 0); u16(o, 0); u16(o, w); u16(o, h);
        o.append(char(0));
        QVector<uchar> px;
        px.reserve(w * h);
        for (int y = 0; y < h; ++y) {
            const QRgb* s = reinterpret_cast<const QRgb*>(k.constScanLine(y));
            for (int x = 0; x < w; ++x) px << pal.en_yakin(s[x]);
        }
        lzw(o, px);
    }
    o.append(char(0x3B));
    return o;
}

} // namespace dealer
