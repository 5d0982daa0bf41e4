#include "hucreler.h"

#include "server/memtablemodel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>

namespace mivo {

THucreDelegate::THucreDelegate(TGridView* g, int kolon, QObject* parent)
    : QStyledItemDelegate(parent), g_(g), kolon_(kolon) {}

Qt::Alignment THucreDelegate::hizalama(const QModelIndex& i) const
{
    if (kolon().Hizalama) return *kolon().Hizalama;
    const QVariant a = i.data(Qt::TextAlignmentRole);
    if (a.isValid()) return Qt::Alignment(a.toInt());
    return Qt::AlignLeft | Qt::AlignVCenter;
}

void THucreDelegate::arkaPlan(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i, QColor& yazi) const
{
    const QPalette& pal = o.palette;
    QColor arka = pal.color(QPalette::Base);
    g_->satirRenkleri(i.row(), arka);
    yazi = pal.color(QPalette::Text);
    if (o.state & QStyle::State_Selected) {
        arka = pal.color(o.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
        yazi = pal.color(QPalette::HighlightedText);
    }
    if (!(o.state & QStyle::State_Enabled)) yazi = pal.color(QPalette::Disabled, QPalette::Text);
    p->fillRect(o.rect, arka);
}

void THucreDelegate::paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const
{
    QColor yazi;
    arkaPlan(p, o, i, yazi);
    p->save();
    p->setClipRect(o.rect);
    p->setFont(o.font);
    icerik(p, o.rect.adjusted(3, 1, -3, -1), i, yazi);
    p->restore();
    if (g_->Ayarlar().OdakCercevesi && (o.state & QStyle::State_HasFocus)) {
        p->save();
        QPen pen(yazi, 1, Qt::DotLine);
        p->setPen(pen);
        p->setBrush(Qt::NoBrush);
        p->drawRect(o.rect.adjusted(0, 0, -1, -1));
        p->restore();
    }
}

QSize THucreDelegate::sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const
{
    const QString t = i.data(Qt::DisplayRole).toString();
    const QFontMetrics fm(o.font);
    return QSize(fm.horizontalAdvance(t) + 10, fm.height() + 4);
}

void THucreDelegate::icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const
{
    p->setPen(yazi);
    p->drawText(r, int(hizalama(i)), i.data(Qt::DisplayRole).toString());
}

void TMetinDelegate::icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const
{
    const QString t = i.data(Qt::DisplayRole).toString();
    if (t.isEmpty()) return;
    p->setPen(yazi);
    Qt::Alignment a = hizalama(i);
    a = (a & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    p->drawText(r, int(a) | Qt::TextWordWrap, t);
}

void TMemoDelegate::icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const
{
    const QString t = i.data(Qt::DisplayRole).toString();
    if (t.isEmpty()) return;
    p->setPen(yazi);
    const Qt::Alignment a = (hizalama(i) & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    p->drawText(r.adjusted(0, 2, 0, 0), int(a) | Qt::TextWordWrap, t);
}

void TEtiketDelegate::icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const
{
    const QString t = i.data(Qt::DisplayRole).toString();
    if (t.isEmpty()) return;
    p->setPen(yazi);
    const Qt::Alignment a = (hizalama(i) & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    p->drawText(r, int(a) | Qt::TextSingleLine, t);
}

QSize TIkonDelegate::sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const
{
    QSize s = kolon().Ikonlar.Boyut + QSize(10, 4);
    if (kolon().AciklamaGoster) {
        const QFontMetrics fm(o.font);
        s.rwidth() += fm.horizontalAdvance(IkonAciklamasi(kolon(), i.data(HamDegerRole))) + 4;
    }
    return s;
}

void TIkonDelegate::icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor&) const
{
    const int ik = IkonIndeksi(kolon(), i.data(HamDegerRole));
    if (ik < 0) return;
    const QSize b = kolon().Ikonlar.Boyut;
    const QRect ir(r.center().x() - b.width() / 2 + 1, r.center().y() - b.height() / 2 + 1, b.width(), b.height());
    p->drawPixmap(ir, kolon().Ikonlar.Ikon(ik).pixmap(b, p->device()->devicePixelRatioF()));
}

void TResimComboDelegate::icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const
{
    if (!kolon().AciklamaGoster) { TIkonDelegate::icerik(p, r, i, yazi); return; }
    const QVariant v = i.data(HamDegerRole);
    const int ik = IkonIndeksi(kolon(), v);
    const QSize b = kolon().Ikonlar.Boyut;
    int x = r.left();
    if (ik >= 0) {
        p->drawPixmap(QRect(x, r.center().y() - b.height() / 2 + 1, b.width(), b.height()),
                      kolon().Ikonlar.Ikon(ik).pixmap(b, p->device()->devicePixelRatioF()));
        x += b.width() + 4;
    }
    p->setPen(yazi);
    p->drawText(QRect(x, r.top(), r.right() - x, r.height()), Qt::AlignLeft | Qt::AlignVCenter, IkonAciklamasi(kolon(), v));
}

static bool isaretli(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) return false;
    if (v.typeId() == QMetaType::Bool) return v.toBool();
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok && d == 1;
}

void TOnayDelegate::icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const
{
    const bool on = isaretli(i.data(HamDegerRole));
    const QRect k(r.center().x() - 8, r.center().y() - 8, 16, 16);
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(QPen(QColor(95, 120, 150), 1));
    p->setBrush(Qt::white);
    p->drawRoundedRect(QRectF(k).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    if (on) {
        QPen pen(QColor(30, 90, 170), 2.4);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p->setPen(pen);
        const QPointF a(k.left() + 3.5, k.center().y() + 0.5), b(k.left() + 7, k.bottom() - 3.5), c(k.right() - 3, k.top() + 4);
        p->drawPolyline(QVector<QPointF>{a, b, c});
    }
}

bool TOnayDelegate::editorEvent(QEvent* e, QAbstractItemModel* m, const QStyleOptionViewItem&, const QModelIndex& i)
{
    if (g_->Ayarlar().SaltOkunur || kolon().SaltOkunur || !g_->isEnabled()) return false;
    const bool tik = e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
    const bool tus = e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Space;
    if (!tik && !tus) return false;
    const QVariant eski = i.data(HamDegerRole);
    QVariant yeni;
    if (eski.typeId() == QMetaType::Bool) yeni = !eski.toBool();
    else yeni = isaretli(eski) ? 0 : 1;
    if (m->setData(i, yeni, Qt::EditRole)) emit g_->DegerDegisti(i.row(), kolon_);
    return true;
}

void TDugmeDelegate::icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor&) const
{
    const QRect b = r.adjusted(4, 4, -4, -4);
    const bool basili = basili_.isValid() && basili_ == i;
    p->setRenderHint(QPainter::Antialiasing);
    QLinearGradient gr(b.topLeft(), b.bottomLeft());
    gr.setColorAt(0, basili ? QColor(196, 214, 236) : QColor(252, 253, 255));
    gr.setColorAt(1, basili ? QColor(168, 192, 224) : QColor(218, 228, 242));
    p->setPen(QPen(QColor(120, 145, 180), 1));
    p->setBrush(gr);
    p->drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const QIcon& ic = kolon().DugmeIkonu;
    const QString& t = kolon().DugmeMetni;
    int x = b.left();
    int w = b.width();
    if (!ic.isNull()) {
        const int s = qMin(24, b.height() - 6);
        const int tw = t.isEmpty() ? 0 : p->fontMetrics().horizontalAdvance(t) + 4;
        const int bas = b.left() + (b.width() - s - tw) / 2;
        p->drawPixmap(QRect(bas, b.center().y() - s / 2 + 1, s, s), ic.pixmap(QSize(s, s)));
        x = bas + s + 4;
        w = tw;
    }
    if (!t.isEmpty()) {
        p->setPen(QColor(30, 45, 70));
        p->drawText(QRect(x, b.top(), w, b.height()), Qt::AlignCenter, t);
    }
}

bool TDugmeDelegate::editorEvent(QEvent* e, QAbstractItemModel*, const QStyleOptionViewItem& o, const QModelIndex& i)
{
    if (!g_->isEnabled()) return false;
    auto* view = g_->Tablo();
    if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        basili_ = i;
        view->viewport()->update(o.rect);
        return false;   // let the view focus the row first
    }
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        const bool ayni = basili_.isValid() && basili_ == i && o.rect.contains(static_cast<QMouseEvent*>(e)->position().toPoint());
        basili_ = QPersistentModelIndex();
        view->viewport()->update(o.rect);
        if (ayni) emit g_->DugmeTiklandi(i.row(), kolon_);
        return ayni;
    }
    return false;
}

void TIlerlemeDelegate::icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor&) const
{
    const QVariant v = i.data(HamDegerRole);
    const int yuzde = qBound(0, int(v.toDouble()), 100);
    const QRect b(r.left() + 2, r.center().y() - 9, r.width() - 4, 18);
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(QPen(QColor(120, 140, 170), 1));
    p->setBrush(QColor(246, 248, 252));
    p->drawRoundedRect(QRectF(b).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    if (yuzde > 0) {
        QRectF d = QRectF(b).adjusted(1.5, 1.5, -1.5, -1.5);
        d.setWidth(d.width() * yuzde / 100.0);
        QLinearGradient g(d.topLeft(), d.bottomLeft());
        g.setColorAt(0, QColor(110, 190, 110));
        g.setColorAt(1, QColor(50, 150, 60));
        p->setPen(Qt::NoPen);
        p->setBrush(g);
        p->drawRoundedRect(d, 2, 2);
    }
    p->setPen(QColor(25, 40, 60));
    p->drawText(b, Qt::AlignCenter, QStringLiteral("%1%").arg(yuzde));
}

QByteArray HexMetniCoz(const QString& hex)
{
    QByteArray out;
    out.reserve(hex.size() / 2 + 1);
    auto deger = [](QChar c) -> int {
        const ushort u = c.unicode();
        if (u >= '0' && u <= '9') return u - '0';
        if (u >= 'a' && u <= 'f') return u - 'a' + 10;
        if (u >= 'A' && u <= 'F') return u - 'A' + 10;
        return -1;
    };
    for (int k = 0; k < hex.size(); k += 2) {
        const int a = deger(hex[k]);
        if (k + 1 >= hex.size()) {   // one digit at the end of an odd-length text
            if (a < 0) break;
            out.append(char(a));
            break;
        }
        const int b = deger(hex[k + 1]);
        if (a < 0 || b < 0) break;   // not hexadecimal: stop rather than invent bytes
        out.append(char(a * 16 + b));
    }
    return out;
}

QImage ResimCoz(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) return {};
    if (v.typeId() == QMetaType::QImage) return v.value<QImage>();
    if (v.typeId() == QMetaType::QPixmap) return v.value<QPixmap>().toImage();
    QByteArray b;
    if (v.typeId() == QMetaType::QByteArray) b = v.toByteArray();
    else b = HexMetniCoz(v.toString());
    QImage img;
    img.loadFromData(b);
    if (img.isNull() && v.typeId() == QMetaType::QByteArray) img.loadFromData(HexMetniCoz(QString::fromLatin1(b)));
    return img;
}

void TResimDelegate::icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor&) const
{
    const QVariant v = i.data(HamDegerRole);
    if (!v.isValid() || v.isNull()) return;
    if (v.typeId() != QMetaType::QByteArray && v.typeId() != QMetaType::QString) {
        const QImage img = ResimCoz(v);
        if (!img.isNull()) p->drawImage(r, img);
        return;
    }
    // Decoding is cached per value; the entry holds the value, so its address stays its own.
    const void* veri = v.typeId() == QMetaType::QByteArray ? static_cast<const void*>(v.toByteArray().constData())
                                                          : static_cast<const void*>(v.toString().constData());
    const qsizetype boy = v.typeId() == QMetaType::QByteArray ? v.toByteArray().size() : v.toString().size();
    if (boy == 0) return;
    const quintptr anahtar = quintptr(veri);
    Girdi* g = onbellek_.object(anahtar);
    const auto boyu = [](const QVariant& x) {
        return x.typeId() == QMetaType::QByteArray ? x.toByteArray().size() : x.toString().size();
    };
    if (!g || g->kaynak.typeId() != v.typeId() || boyu(g->kaynak) != boy) {
        auto* yeni = new Girdi{v, ResimCoz(v)};
        onbellek_.insert(anahtar, yeni);
        g = yeni;
    }
    if (g->resim.isNull()) return;
    const QSize s = g->resim.size().scaled(r.size(), Qt::KeepAspectRatio);
    const QRect hedef(r.center().x() - s.width() / 2 + 1, r.center().y() - s.height() / 2 + 1, s.width(), s.height());
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    p->drawImage(hedef, g->resim);
}

THucreDelegate* DelegeOlustur(HucreTuru tur, TGridView* g, int kolon, QObject* parent)
{
    switch (tur) {
    case HucreTuru::Metin: return new TMetinDelegate(g, kolon, parent);
    case HucreTuru::Memo: return new TMemoDelegate(g, kolon, parent);
    case HucreTuru::Ikon: return new TIkonDelegate(g, kolon, parent);
    case HucreTuru::OnayKutusu: return new TOnayDelegate(g, kolon, parent);
    case HucreTuru::ResimCombo: return new TResimComboDelegate(g, kolon, parent);
    case HucreTuru::Dugme: return new TDugmeDelegate(g, kolon, parent);
    case HucreTuru::Ilerleme: return new TIlerlemeDelegate(g, kolon, parent);
    case HucreTuru::Resim: return new TResimDelegate(g, kolon, parent);
    case HucreTuru::Etiket: return new TEtiketDelegate(g, kolon, parent);
    }
    return new TMetinDelegate(g, kolon, parent);
}

} // namespace mivo
