#include "grid.h"

#include "grid_p.h"
#include "hucreler.h"
#include "server/memtablemodel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace mivo {

using protocol::FieldType;

// ---------------------------------------------------------------- icon lists and mappings

TIkonListesi TIkonListesi::Kaynaktan(const QString& desen, int adet, QSize boyut)
{
    TIkonListesi l;
    l.Boyut = boyut;
    for (int i = 0; i < adet; ++i) l.Ikonlar.push_back(QIcon(desen.arg(i)));
    return l;
}

static bool bosDeger(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) return true;
    if (v.typeId() == QMetaType::QString) return v.toString().trimmed().isEmpty();
    return false;
}

static bool ayniDeger(const QVariant& a, const QVariant& b)
{
    bool ok1 = false, ok2 = false;
    const double x = a.toDouble(&ok1);
    const double y = b.toDouble(&ok2);
    if (ok1 && ok2) return x == y;
    return a.toString() == b.toString();
}

static const TIkonOgesi* ogeBul(const TGridKolon& k, const QVariant& v)
{
    for (const auto& o : k.Ogeler)
        if (ayniDeger(o.Deger, v)) return &o;
    return nullptr;
}

int IkonIndeksi(const TGridKolon& k, const QVariant& v)
{
    if (bosDeger(v)) return k.BosIkon >= 0 ? k.BosIkon : k.VarsayilanIkon;
    if (const TIkonOgesi* o = ogeBul(k, v)) return o->Ikon;
    return k.VarsayilanIkon;
}

QString IkonAciklamasi(const TGridKolon& k, const QVariant& v)
{
    if (bosDeger(v)) return {};
    const TIkonOgesi* o = ogeBul(k, v);
    return o ? o->Aciklama : QString();
}

TIkonListesi DurumIkonListesi()
{
    return TIkonListesi::Kaynaktan(QStringLiteral(":/mivo/durum/%1.svg"), 10, QSize(24, 24));
}

TIkonListesi EvetHayirIkonListesi()
{
    return TIkonListesi::Kaynaktan(QStringLiteral(":/mivo/evethayir/%1.svg"), 3, QSize(24, 24));
}

TIkonListesi DosyaIkonListesi()
{
    return TIkonListesi::Kaynaktan(QStringLiteral(":/mivo/dosya/%1.svg"), 7, QSize(32, 32));
}

QVector<TIkonOgesi> DurumOgeleri()
{
    return {
        {0, 4, QStringLiteral("Yok")},
        {1, 0, QStringLiteral("Var")},
        {2, 8, QStringLiteral("Telefon Açınız")},
        {3, 2, QStringLiteral("Yolda")},
        {4, 1, QStringLiteral("Özel Sipariş")},
        {5, 5, QStringLiteral("Tedarik Sürecinde")},
    };
}

TGridKolon DurumKolonu(const QString& baslik, int tag)
{
    TGridKolon k;
    k.Alan = QStringLiteral("DURUM");
    k.Baslik = baslik;
    k.Tag = tag;
    k.Tur = HucreTuru::Ikon;
    k.Ikonlar = DurumIkonListesi();
    k.Ogeler = DurumOgeleri();
    k.BosIkon = DurumBosIkon;
    k.Hizalama = Qt::AlignCenter;
    return k;
}

TGridKolon EvetHayirKolonu(const QString& alan, const QString& baslik, int tag)
{
    TGridKolon k;
    k.Alan = alan;
    k.Baslik = baslik;
    k.Tag = tag;
    k.Tur = HucreTuru::Ikon;
    k.Ikonlar = EvetHayirIkonListesi();
    k.Ogeler = {{0, 0, QStringLiteral("Hayır")}, {1, 1, QStringLiteral("Evet")}};
    // "Yeni" shows the "no" icon for anything but 1.
    if (alan.compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0) k.VarsayilanIkon = 0;
    k.Hizalama = Qt::AlignCenter;
    return k;
}

// ---------------------------------------------------------------- unbound rows

QVariant TSatirModeli::data(const QModelIndex& i, int role) const
{
    if (!i.isValid() || i.row() >= satirlar_.size()) return {};
    const auto& satir = satirlar_[i.row()];
    const QVariant v = i.column() < satir.size() ? satir[i.column()] : QVariant();
    switch (role) {
    case Qt::DisplayRole: {
        if (i.column() < g_->KolonSayisi() && g_->Kolon(i.column()).Tur == HucreTuru::Resim) return QString();
        if (v.typeId() == QMetaType::Double) return QLocale().toString(v.toDouble(), 'f', 2);
        return v.toString();
    }
    case HamDegerRole: case Qt::EditRole: return v;
    case AlanTuruRole: return int(FieldType::String);
    default: return {};
    }
}

QVariant TSatirModeli::headerData(int s, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && s >= 0 && s < g_->KolonSayisi()) return g_->Kolon(s).Baslik;
    return QAbstractTableModel::headerData(s, o, role);
}

bool TSatirModeli::setData(const QModelIndex& i, const QVariant& v, int role)
{
    if (!i.isValid() || i.row() >= satirlar_.size() || (role != Qt::EditRole && role != HamDegerRole)) return false;
    auto& satir = satirlar_[i.row()];
    if (satir.size() <= i.column()) satir.resize(i.column() + 1);
    satir[i.column()] = v;
    emit dataChanged(i, i);
    return true;
}

Qt::ItemFlags TSatirModeli::flags(const QModelIndex& i) const
{
    return i.isValid() ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable) : Qt::NoItemFlags;
}

int TSatirModeli::ekle()
{
    const int n = satirlar_.size();
    beginInsertRows({}, n, n);
    satirlar_.push_back(QVector<QVariant>(g_->KolonSayisi()));
    endInsertRows();
    return n;
}

void TSatirModeli::sil(int satir)
{
    if (satir < 0 || satir >= satirlar_.size()) return;
    beginRemoveRows({}, satir, satir);
    satirlar_.removeAt(satir);
    endRemoveRows();
}

void TSatirModeli::temizle()
{
    beginResetModel();
    satirlar_.clear();
    endResetModel();
}

// ---------------------------------------------------------------- filter and sort

bool TGridSuzgec::filterAcceptsRow(int satir, const QModelIndex& ust) const
{
    if (filtreler.isEmpty()) return true;
    for (auto it = filtreler.cbegin(); it != filtreler.cend(); ++it) {
        const QString t = sourceModel()->index(satir, it.key(), ust).data(Qt::DisplayRole).toString();
        if (!it.value().contains(t)) return false;
    }
    return true;
}

QVariant TGridSuzgec::headerData(int s, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::TextAlignmentRole && s >= 0 && s < g_->KolonSayisi())
        return int(g_->Kolon(s).BaslikHizalama | Qt::AlignVCenter);
    return QSortFilterProxyModel::headerData(s, o, role);
}

bool TGridSuzgec::lessThan(const QModelIndex& a, const QModelIndex& b) const
{
    const QVariant x = a.data(HamDegerRole);
    const QVariant y = b.data(HamDegerRole);
    const bool bx = !x.isValid() || x.isNull(), by = !y.isValid() || y.isNull();
    if (bx || by) return bx && !by;
    if (x.typeId() == QMetaType::QString || y.typeId() == QMetaType::QString)
        return QString::localeAwareCompare(x.toString(), y.toString()) < 0;
    const QPartialOrdering o = QVariant::compare(x, y);
    if (o == QPartialOrdering::Unordered) return x.toString() < y.toString();
    return o == QPartialOrdering::Less;
}

// ---------------------------------------------------------------- header with filter buttons

TFiltreBaslik::TFiltreBaslik(TGridView* g) : QHeaderView(Qt::Horizontal, g), g_(g)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setMinimumSectionSize(0);
    setDefaultAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

QSize TFiltreBaslik::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    if (g_->Ayarlar().BaslikYuksekligi > 0) s.setHeight(g_->Ayarlar().BaslikYuksekligi);
    return s;
}

static bool filtrelenebilir(const TGridKolon& k)
{
    return k.Tur != HucreTuru::Dugme && k.Tur != HucreTuru::Resim && k.Tur != HucreTuru::Ilerleme;
}

QRect TFiltreBaslik::dugmeAlani(int l) const
{
    if (l < 0 || l >= g_->KolonSayisi() || !g_->Ayarlar().BaslikFiltre || !filtrelenebilir(g_->Kolon(l))) return {};
    const int x = sectionViewportPosition(l);
    const int w = sectionSize(l);
    if (w < 24) return {};
    return QRect(x + w - 17, (height() - 14) / 2, 14, 14);
}

void TFiltreBaslik::paintSection(QPainter* p, const QRect& r, int l) const
{
    p->save();
    QHeaderView::paintSection(p, r, l);
    p->restore();
    const QRect d = dugmeAlani(l);
    if (d.isNull()) return;
    const bool aktif = g_->suzgec_->filtreler.contains(l);
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->setPen(QPen(aktif ? QColor(30, 80, 160) : QColor(130, 150, 175), 1));
    p->setBrush(aktif ? QColor(70, 130, 210) : QColor(250, 252, 255, 200));
    p->drawRoundedRect(QRectF(d).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    QPolygonF ok;
    ok << QPointF(d.left() + 3.5, d.top() + 5) << QPointF(d.right() - 2.5, d.top() + 5) << QPointF(d.center().x() + 0.5, d.bottom() - 3.5);
    p->setPen(Qt::NoPen);
    p->setBrush(aktif ? Qt::white : QColor(60, 80, 110));
    p->drawPolygon(ok);
    p->restore();
}

void TFiltreBaslik::mousePressEvent(QMouseEvent* e)
{
    const int l = logicalIndexAt(e->position().toPoint());
    const QRect d = dugmeAlani(l);
    if (e->button() == Qt::LeftButton && !d.isNull() && d.contains(e->position().toPoint())) {
        filtreTiklamasi_ = true;
        g_->filtrePenceresi(l, mapToGlobal(QPoint(d.left(), height())));
        return;
    }
    QHeaderView::mousePressEvent(e);
}

void TFiltreBaslik::mouseReleaseEvent(QMouseEvent* e)
{
    if (filtreTiklamasi_) { filtreTiklamasi_ = false; return; }
    QHeaderView::mouseReleaseEvent(e);
}

// ---------------------------------------------------------------- table

TGridTablo::TGridTablo(TGridView* g) : QTableView(g), g_(g)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
}

void TGridTablo::keyPressEvent(QKeyEvent* e)
{
    const auto& a = g_->Ayarlar();
    const QString t = e->text();
    const bool yazi = !t.isEmpty() && t.at(0).isPrint() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (a.ArttirimliArama && yazi && !(t == QLatin1String(" ") && g_->aramaMetni_.isEmpty())) {
        const qint64 simdi = QDateTime::currentMSecsSinceEpoch();
        if (simdi - g_->sonTusZamani_ > qMax(QApplication::keyboardInputInterval(), 1500)) g_->aramaMetni_.clear();
        g_->sonTusZamani_ = simdi;
        const QString aday = g_->aramaMetni_ + t;
        if (g_->ArttirimliAra(aday)) g_->aramaMetni_ = aday;
        e->accept();
        return;
    }
    if (a.ArttirimliArama && e->key() == Qt::Key_Backspace && !g_->aramaMetni_.isEmpty()) {
        g_->aramaMetni_.chop(1);
        g_->sonTusZamani_ = QDateTime::currentMSecsSinceEpoch();
        if (!g_->aramaMetni_.isEmpty()) g_->ArttirimliAra(g_->aramaMetni_);
        e->accept();
        return;
    }
    g_->aramaMetni_.clear();
    QTableView::keyPressEvent(e);
}

void TGridTablo::mouseDoubleClickEvent(QMouseEvent* e)
{
    QTableView::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && g_->isEnabled()) emit g_->CiftTiklandi();
}

void TGridTablo::contextMenuEvent(QContextMenuEvent* e)
{
    const QModelIndex i = indexAt(e->pos());
    if (i.isValid()) setCurrentIndex(i);
    if (g_->popup_) g_->popup_->popup(e->globalPos());
}

void TGridTablo::currentChanged(const QModelIndex& yeni, const QModelIndex& eski)
{
    QTableView::currentChanged(yeni, eski);
    g_->odakTakip();
}

void TGridTablo::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    if (dx && g_->footerBandi_) g_->footerBandi_->update();
}

// ---------------------------------------------------------------- footer band

TFooterBandi::TFooterBandi(TGridView* g) : QWidget(g), g_(g)
{
    setObjectName(QStringLiteral("footer"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TFooterBandi::sizeHint() const { return QSize(100, fontMetrics().height() + 14); }

void TFooterBandi::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    QLinearGradient gr(0, 0, 0, height());
    gr.setColorAt(0, pal.color(QPalette::Button).lighter(104));
    gr.setColorAt(1, pal.color(QPalette::Button).darker(104));
    p.fillRect(rect(), gr);
    p.setPen(pal.color(QPalette::Mid));
    p.drawLine(0, 0, width(), 0);
    auto* t = g_->view_;
    const int ofset = t->viewport()->mapTo(g_, QPoint(0, 0)).x() - mapTo(g_, QPoint(0, 0)).x();
    p.setClipRect(QRect(ofset, 0, t->viewport()->width(), height()));
    for (int i = 0; i < g_->footer_.size(); ++i) {
        const int k = g_->KolonBul(g_->footer_[i].Kolon);
        if (k < 0 || t->isColumnHidden(k)) continue;
        const int w = g_->baslik_->sectionSize(k);
        if (w < 4) continue;
        const QRect r(ofset + g_->baslik_->sectionViewportPosition(k) + 1, 3, w - 3, height() - 6);
        p.setPen(pal.color(QPalette::Mid));
        p.setBrush(pal.color(QPalette::Base));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const TGridKolon& kol = g_->Kolon(k);
        Qt::Alignment a = kol.Hizalama ? (*kol.Hizalama & Qt::AlignHorizontal_Mask) : Qt::Alignment(Qt::AlignRight);
        if (g_->footer_[i].Tur == FooterTuru::Sayi && !kol.Hizalama) a = Qt::AlignLeft;
        p.setPen(pal.color(QPalette::Text));
        p.drawText(r.adjusted(4, 0, -4, 0), int(a | Qt::AlignVCenter), g_->FooterMetni(i));
    }
}

// ---------------------------------------------------------------- the view

TGridView::TGridView(QWidget* parent) : QWidget(parent)
{
    memModel_ = new TMemTableModel(this);
    suzgec_ = new TGridSuzgec(this);
    suzgec_->setSortRole(HamDegerRole);
    suzgec_->setDynamicSortFilter(true);
    suzgec_->setSourceModel(memModel_);
    view_ = new TGridTablo(this);
    baslik_ = new TFiltreBaslik(this);
    view_->setHorizontalHeader(baslik_);
    view_->setModel(suzgec_);
    footerBandi_ = new TFooterBandi(this);
    footerBandi_->hide();
    footerSaat_ = new QTimer(this);
    footerSaat_->setSingleShot(true);
    footerSaat_->setInterval(0);
    connect(footerSaat_, &QTimer::timeout, this, [this] { if (footerKirli_ && !guncelleme_) FooterHesapla(); });

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(view_, 1);
    l->addWidget(footerBandi_);

    connect(suzgec_, &QAbstractItemModel::modelReset, this, [this] {
        sonOdak_ = -1;
        if (tablo_ && !ayrik_ && suzgec_->rowCount() > 0) tabloOdagaGit(qMax(0, tablo_->RecNo()));
        footerKirli_ = true;
        if (!guncelleme_) FooterHesapla();
    });
    for (auto sig : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(suzgec_, sig, this, [this] { footerKirli(); });
    connect(suzgec_, &QAbstractItemModel::layoutChanged, this, [this] { footerKirli(); odakTakip(); });
    connect(suzgec_, &QAbstractItemModel::dataChanged, this, [this] { footerKirli(); });
    connect(memModel_, &TMemTableModel::currentRecordChanged, this, [this](int satir) {
        if (!odakEsliyor_) tabloOdagaGit(satir);
    });
    connect(baslik_, &QHeaderView::sectionResized, footerBandi_, qOverload<>(&QWidget::update));
    connect(baslik_, &QHeaderView::sectionMoved, footerBandi_, qOverload<>(&QWidget::update));
    connect(baslik_, &QHeaderView::sectionClicked, this, &TGridView::siralamaTiklandi);
    connect(baslik_, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        if (!ayar_.KolonOzellestirme) return;
        QMenu* m = OzellestirmeMenusu(this);
        m->setAttribute(Qt::WA_DeleteOnClose);
        m->popup(baslik_->mapToGlobal(p));
    });
    Ayarla(ayar_);
}

TGridView::~TGridView()
{
    // The model stops listening to the table before the table may go.
    memModel_->setTable(nullptr);
}

QTableView* TGridView::Tablo() const { return view_; }
QAbstractItemModel* TGridView::Model() const { return suzgec_; }

void TGridView::KolonlarTanimla(const QVector<TGridKolon>& kolonlar)
{
    kolonlar_ = kolonlar;
    QStringList alanlar, basliklar;
    for (const auto& k : kolonlar_) {
        alanlar << k.Alan;
        basliklar << k.Baslik;
    }
    suzgec_->filtreler.clear();
    memModel_->setColumns(alanlar);
    memModel_->setCaptions(basliklar);
    if (satirModeli_) satirModeli_->kolonlarDegisti();
    kolonlariUygula();
}

void TGridView::kolonlariUygula()
{
    delegeleriKur();
    for (int i = 0; i < kolonlar_.size(); ++i) {
        view_->setColumnHidden(i, !kolonlar_[i].Gorunur);
        baslik_->resizeSection(i, kolonlar_[i].Genislik);
    }
    if (ayar_.KolonOtoGenislik) otoGenislik();
    footerBandi_->update();
}

void TGridView::delegeleriKur()
{
    for (int i = 0; i < kolonlar_.size(); ++i) {
        QAbstractItemDelegate* eski = view_->itemDelegateForColumn(i);
        view_->setItemDelegateForColumn(i, DelegeOlustur(kolonlar_[i].Tur, this, i, view_));
        if (eski) eski->deleteLater();
    }
}

int TGridView::KolonBul(const QString& isim) const
{
    for (int i = 0; i < kolonlar_.size(); ++i)
        if (kolonlar_[i].Isim().compare(isim, Qt::CaseInsensitive) == 0) return i;
    for (int i = 0; i < kolonlar_.size(); ++i)
        if (!kolonlar_[i].Alan.isEmpty() && kolonlar_[i].Alan.compare(isim, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TGridView::KolonGorunur(const QString& isim, bool gorunur)
{
    const int k = KolonBul(isim);
    if (k < 0) return;
    kolonlar_[k].Gorunur = gorunur;
    view_->setColumnHidden(k, !gorunur);
    if (gorunur && baslik_->sectionSize(k) <= 0) baslik_->resizeSection(k, qMax(20, kolonlar_[k].Genislik));
    if (ayar_.KolonOtoGenislik) otoGenislik();
    footerBandi_->update();
}

void TGridView::KolonSunulan(const QString& isim, bool sunulan)
{
    const int k = KolonBul(isim);
    if (k >= 0) kolonlar_[k].Sunulan = sunulan;
}

void TGridView::KolonGenislik(const QString& isim, int genislik)
{
    const int k = KolonBul(isim);
    if (k < 0) return;
    kolonlar_[k].Genislik = genislik;
    baslik_->resizeSection(k, genislik);
}

void TGridView::KolonBaslik(const QString& isim, const QString& baslik)
{
    const int k = KolonBul(isim);
    if (k < 0) return;
    kolonlar_[k].Baslik = baslik;
    QStringList b;
    for (const auto& x : kolonlar_) b << x.Baslik;
    memModel_->setCaptions(b);
    if (satirModeli_) emit satirModeli_->headerDataChanged(Qt::Horizontal, k, k);
}

bool TGridView::KolonGorunurMu(const QString& isim) const
{
    const int k = KolonBul(isim);
    return k >= 0 && !view_->isColumnHidden(k);
}

int TGridView::KolonGenisligi(const QString& isim) const
{
    const int k = KolonBul(isim);
    return k >= 0 ? baslik_->sectionSize(k) : -1;
}

QVector<int> TGridView::GorunurKolonlar() const
{
    QVector<int> v;
    for (int g = 0; g < baslik_->count(); ++g) {
        const int l = baslik_->logicalIndex(g);
        if (l >= 0 && l < kolonlar_.size() && !view_->isColumnHidden(l)) v.push_back(l);
    }
    return v;
}

void TGridView::Ayarla(const TGorunumAyarlari& a)
{
    ayar_ = a;
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int satir = a.SatirYuksekligi > 0 ? a.SatirYuksekligi : view_->fontMetrics().height() + 10;
    view_->verticalHeader()->setDefaultSectionSize(satir);
    if (a.BaslikYuksekligi > 0) baslik_->setFixedHeight(a.BaslikYuksekligi);
    else { baslik_->setMinimumHeight(0); baslik_->setMaximumHeight(QWIDGETSIZE_MAX); }
    baslik_->setVisible(a.BaslikGoster);
    baslik_->setSectionResizeMode(a.KolonBoyutlama ? QHeaderView::Interactive : QHeaderView::Fixed);
    baslik_->setSectionsMovable(a.KolonTasima);
    baslik_->setStretchLastSection(false);
    view_->setVerticalScrollMode(a.PikselKaydirma ? QAbstractItemView::ScrollPerPixel : QAbstractItemView::ScrollPerItem);
    footerBandi_->setVisible(a.FooterGoster);
    view_->setStyleSheet(a.IzgaraRengi ? QStringLiteral("QTableView { gridline-color: %1; }").arg(a.IzgaraRengi->name())
                                       : QString());
    if (!a.KullaniciSiralama && siraKolon_ >= 0) {
        siraKolon_ = -1;
        suzgec_->sort(-1);
        baslik_->setSortIndicatorShown(false);
    }
    if (!a.BaslikFiltre && !suzgec_->filtreler.isEmpty()) FiltreTemizle();
    if (a.KolonOtoGenislik) otoGenislik();
    view_->viewport()->update();
    baslik_->viewport()->update();
}

void TGridView::satirRenkleri(int satir, QColor& arka) const
{
    const auto& renk = (satir % 2 == 0) ? ayar_.CiftSatirRengi : ayar_.TekSatirRengi;
    if (renk) arka = *renk;
}

// ------------------------------------------------ data source

void TGridView::SetTable(TMemTable* t)
{
    tablo_ = t;
    if (satirModeli_) return;
    memModel_->setTable(ayrik_ ? nullptr : t);
}

void TGridView::DataSourceAyir()
{
    ayrik_ = true;
    memModel_->setTable(nullptr);
}

void TGridView::DataSourceBagla()
{
    ayrik_ = false;
    if (!satirModeli_) memModel_->setTable(tablo_);
}

bool TGridView::Bagli() const { return !ayrik_ && memModel_->table() != nullptr; }

void TGridView::BaglantisizKullan()
{
    if (satirModeli_) return;
    memModel_->setTable(nullptr);
    satirModeli_ = new TSatirModeli(this);
    suzgec_->setSourceModel(satirModeli_);
}

int TGridView::SatirEkle()
{
    if (!satirModeli_) return -1;
    return satirModeli_->ekle();
}

void TGridView::SatirSil(int satir)
{
    if (satirModeli_) satirModeli_->sil(satir);
}

void TGridView::SatirlariTemizle()
{
    if (satirModeli_) satirModeli_->temizle();
}

void TGridView::HucreYaz(int satir, const QString& kolon, const QVariant& v)
{
    const int k = KolonBul(kolon);
    if (!satirModeli_ || k < 0) return;
    satirModeli_->setData(satirModeli_->index(satir, k), v, Qt::EditRole);
}

// ------------------------------------------------ reading

int TGridView::SatirSayisi() const { return suzgec_->rowCount(); }

int TGridView::KaynakSatir(int satir) const
{
    if (satir < 0 || satir >= suzgec_->rowCount()) return -1;
    if (suzgec_->birebir()) return satir;
    return suzgec_->mapToSource(suzgec_->index(satir, 0)).row();
}

QVariant TGridView::Deger(int satir, const QString& kolon) const
{
    if (satir < 0 || satir >= suzgec_->rowCount()) return {};
    const int k = KolonBul(kolon);
    if (k >= 0) return suzgec_->index(satir, k).data(HamDegerRole);
    // A field of the table that no column shows.
    TMemTable* t = memModel_->table();
    if (!t) return {};
    const int tc = t->FieldIndex(kolon);
    const int ks = KaynakSatir(satir);
    return tc >= 0 && ks >= 0 ? t->Cell(ks, tc) : QVariant();
}

QString TGridView::Metin(int satir, const QString& kolon) const
{
    const int k = KolonBul(kolon);
    if (k >= 0) return suzgec_->index(satir, k).data(Qt::DisplayRole).toString();
    TMemTable* t = memModel_->table();
    if (!t) return {};
    const int tc = t->FieldIndex(kolon);
    const int ks = KaynakSatir(satir);
    return tc >= 0 && ks >= 0 ? GosterimMetni(t->FieldDefs()[tc], t->Cell(ks, tc)) : QString();
}

int TGridView::OdakSatir() const
{
    const QModelIndex i = view_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TGridView::OdakSatirAyarla(int satir)
{
    if (satir < 0 || satir >= suzgec_->rowCount()) {
        view_->setCurrentIndex(QModelIndex());
        view_->selectionModel()->clearSelection();
        return;
    }
    int k = view_->currentIndex().isValid() ? view_->currentIndex().column() : -1;
    if (k < 0 || view_->isColumnHidden(k)) {
        const auto g = GorunurKolonlar();
        k = g.isEmpty() ? 0 : g.first();
    }
    const QModelIndex i = suzgec_->index(satir, k);
    view_->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(i);
}

QVariant TGridView::OdakDeger(const QString& kolon) const { return Deger(OdakSatir(), kolon); }

void TGridView::odakTakip()
{
    const int yeni = OdakSatir();
    if (yeni == sonOdak_) return;
    const int eski = sonOdak_;
    sonOdak_ = yeni;
    TMemTable* t = memModel_->table();
    if (t && yeni >= 0 && !odakEsliyor_) {
        odakEsliyor_ = true;
        t->SetRecNo(KaynakSatir(yeni));
        odakEsliyor_ = false;
    }
    emit OdakDegisti(yeni, eski);
}

void TGridView::tabloOdagaGit(int kaynakSatir)
{
    int satir = kaynakSatir;
    if (!suzgec_->birebir()) {
        const QModelIndex s = suzgec_->sourceModel()->index(kaynakSatir, 0);
        satir = suzgec_->mapFromSource(s).row();
    }
    odakEsliyor_ = true;
    OdakSatirAyarla(satir);
    odakEsliyor_ = false;
    odakTakip();
}

// ------------------------------------------------ bulk updates

void TGridView::BeginUpdate()
{
    if (guncelleme_++ == 0) view_->setUpdatesEnabled(false);
}

void TGridView::EndUpdate()
{
    if (guncelleme_ == 0) return;
    if (--guncelleme_ == 0) {
        view_->setUpdatesEnabled(true);
        if (footerKirli_) FooterHesapla();
        view_->viewport()->update();
    }
}

void TGridView::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) view_->viewport()->update();
}

// ------------------------------------------------ filters

void TGridView::FiltreAyarla(int kolon, const QStringList& tutulanlar)
{
    if (kolon < 0 || kolon >= kolonlar_.size()) return;
    suzgec_->filtreler[kolon] = QSet<QString>(tutulanlar.begin(), tutulanlar.end());
    suzgec_->yenile();
    footerKirli();
    baslik_->viewport()->update();
}

void TGridView::FiltreKaldir(int kolon)
{
    if (suzgec_->filtreler.remove(kolon)) {
        suzgec_->yenile();
        footerKirli();
        baslik_->viewport()->update();
    }
}

void TGridView::FiltreTemizle()
{
    if (suzgec_->filtreler.isEmpty()) return;
    suzgec_->filtreler.clear();
    suzgec_->yenile();
    footerKirli();
    baslik_->viewport()->update();
}

bool TGridView::FiltreVar() const { return !suzgec_->filtreler.isEmpty(); }

QStringList TGridView::KolonDegerleri(int kolon) const
{
    QSet<QString> s;
    QAbstractItemModel* m = suzgec_->sourceModel();
    const int n = m->rowCount();
    for (int r = 0; r < n; ++r) s.insert(m->index(r, kolon).data(Qt::DisplayRole).toString());
    QStringList l(s.begin(), s.end());
    std::sort(l.begin(), l.end(), [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    return l;
}

void TGridView::filtrePenceresi(int kolon, const QPoint& global)
{
    auto* f = new QFrame(this, Qt::Popup);
    f->setAttribute(Qt::WA_DeleteOnClose);
    f->setFrameShape(QFrame::StyledPanel);
    f->setObjectName(QStringLiteral("filtrePenceresi"));
    auto* l = new QVBoxLayout(f);
    l->setContentsMargins(4, 4, 4, 4);
    auto* liste = new QListWidget(f);
    const QStringList degerler = KolonDegerleri(kolon);
    const bool vardi = suzgec_->filtreler.contains(kolon);
    const QSet<QString> tutulan = suzgec_->filtreler.value(kolon);
    auto* tumu = new QListWidgetItem(QStringLiteral("(Tümü)"), liste);
    tumu->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    tumu->setCheckState(vardi ? Qt::Unchecked : Qt::Checked);
    for (const QString& d : degerler) {
        auto* it = new QListWidgetItem(d.isEmpty() ? QStringLiteral("(Boş)") : d, liste);
        it->setData(Qt::UserRole, d);
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        it->setCheckState(!vardi || tutulan.contains(d) ? Qt::Checked : Qt::Unchecked);
    }
    connect(liste, &QListWidget::itemChanged, f, [liste, tumu](QListWidgetItem* it) {
        if (it != tumu) return;
        QSignalBlocker b(liste);
        for (int i = 1; i < liste->count(); ++i) liste->item(i)->setCheckState(tumu->checkState());
    });
    l->addWidget(liste);
    auto* tuslar = new QHBoxLayout;
    auto* tamam = new QPushButton(QStringLiteral("Tamam"), f);
    auto* temizle = new QPushButton(QStringLiteral("Temizle"), f);
    tuslar->addWidget(temizle);
    tuslar->addStretch();
    tuslar->addWidget(tamam);
    l->addLayout(tuslar);
    connect(tamam, &QPushButton::clicked, f, [this, f, liste, kolon] {
        QStringList secili;
        bool hepsi = true;
        for (int i = 1; i < liste->count(); ++i) {
            if (liste->item(i)->checkState() == Qt::Checked) secili << liste->item(i)->data(Qt::UserRole).toString();
            else hepsi = false;
        }
        if (hepsi) FiltreKaldir(kolon);
        else FiltreAyarla(kolon, secili);
        f->close();
    });
    connect(temizle, &QPushButton::clicked, f, [this, f, kolon] { FiltreKaldir(kolon); f->close(); });
    f->resize(qMax(200, baslik_->sectionSize(kolon)), 300);
    f->move(global);
    f->show();
}

void TGridView::siralamaTiklandi(int kolon)
{
    if (!ayar_.KullaniciSiralama || kolon < 0 || kolon >= kolonlar_.size()) return;
    const auto tur = kolonlar_[kolon].Tur;
    if (tur == HucreTuru::Dugme || tur == HucreTuru::Resim) return;
    siraYon_ = (siraKolon_ == kolon && siraYon_ == Qt::AscendingOrder) ? Qt::DescendingOrder : Qt::AscendingOrder;
    siraKolon_ = kolon;
    suzgec_->sort(kolon, siraYon_);
    baslik_->setSortIndicatorShown(true);
    baslik_->setSortIndicator(kolon, siraYon_);
    footerKirli();
}

// ------------------------------------------------ footer

void TGridView::FooterOgeleri(const QVector<TFooterOgesi>& ogeler)
{
    footer_ = ogeler;
    footerKirli_ = true;
    FooterHesapla();
}

void TGridView::footerKirli()
{
    footerKirli_ = true;
    if (!guncelleme_) footerSaat_->start();
}

void TGridView::FooterHesapla()
{
    footerDeger_ = QVector<QVariant>(footer_.size());
    const int n = suzgec_->rowCount();
    TMemTable* t = memModel_->table();
    for (int i = 0; i < footer_.size(); ++i) {
        const int k = KolonBul(footer_[i].Kolon);
        if (k < 0) continue;
        if (footer_[i].Tur == FooterTuru::Sayi) { footerDeger_[i] = n; continue; }
        double toplam = 0;
        const int tc = t ? memModel_->tableColumn(k) : -1;
        if (t && tc >= 0 && suzgec_->birebir() && !satirModeli_) {
            // Straight over the table's cells: no model round trip per row.
            const auto& satirlar = t->Rows();
            for (const auto& s : satirlar) {
                if (tc >= s.size()) continue;
                const QVariant& c = s[tc];
                switch (c.typeId()) {
                case QMetaType::Double: toplam += c.toDouble(); break;
                case QMetaType::Int: toplam += c.toInt(); break;
                case QMetaType::LongLong: toplam += double(c.toLongLong()); break;
                default: if (c.isValid()) { bool ok; const double d = c.toDouble(&ok); if (ok) toplam += d; }
                }
            }
        } else if (t && tc < 0 && !satirModeli_) {
            toplam = 0;   // the field is not in the loaded rows
        } else {
            for (int r = 0; r < n; ++r) {
                bool ok;
                const double d = suzgec_->index(r, k).data(HamDegerRole).toDouble(&ok);
                if (ok) toplam += d;
            }
        }
        footerDeger_[i] = toplam;
    }
    footerKirli_ = false;
    if (FooterSonrasi) FooterSonrasi(*this);
    emit FooterHesaplandi();
    footerBandi_->update();
}

QVariant TGridView::FooterDeger(int i) const
{
    if (footerKirli_ && !guncelleme_) const_cast<TGridView*>(this)->FooterHesapla();
    return i >= 0 && i < footerDeger_.size() ? footerDeger_[i] : QVariant();
}

void TGridView::FooterDegerAyarla(int i, const QVariant& v)
{
    if (i < 0 || i >= footer_.size()) return;
    if (footerDeger_.size() < footer_.size()) footerDeger_.resize(footer_.size());
    footerDeger_[i] = v;
    footerBandi_->update();
}

QString TGridView::FooterMetni(int i) const
{
    const QVariant v = FooterDeger(i);
    if (FooterMetinVer) {
        const QString m = FooterMetinVer(i, v);
        if (!m.isNull()) return m;
    }
    if (!v.isValid()) return {};
    if (v.typeId() != QMetaType::Double) return v.toString();
    const int k = KolonBul(footer_[i].Kolon);
    TMemTable* t = memModel_->table();
    const int tc = (t && k >= 0) ? memModel_->tableColumn(k) : -1;
    const double d = v.toDouble();
    if (tc >= 0) {
        const auto tur = t->FieldDefs()[tc].DataType;
        if (tur == FieldType::Double || tur == FieldType::Currency) return QLocale().toString(d, 'f', 2);
    }
    if (d == std::floor(d) && std::abs(d) < 1e15) return QString::number(qint64(d));
    return QLocale().toString(d, 'f', 2);
}

// ------------------------------------------------ widths

int TGridView::KaydirmaCubuguKalinligi()
{
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void TGridView::KolonlariDagit(DagitimTuru tur)
{
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    KolonlariDagit(tur, s ? s->geometry().width() : 1920);
}

void TGridView::KolonlariDagit(DagitimTuru tur, int ekranGenisligi)
{
    if (!TagIleDagitilir(tur, ekranGenisligi)) { EnIyiGenislik(); return; }
    BeginUpdate();
    QVector<TKolonAgirlik> a;
    for (int i = 0; i < kolonlar_.size(); ++i)
        a.push_back({kolonlar_[i].Tag, !view_->isColumnHidden(i), baslik_->sectionSize(i)});
    const QVector<int> w = mivo::KolonlariDagit(a, DagitimAlani(tur, width(), KaydirmaCubuguKalinligi()));
    for (int i = 0; i < w.size(); ++i)
        if (a[i].Gorunur && w[i] != a[i].Genislik) baslik_->resizeSection(i, w[i]);
    EndUpdate();
}

void TGridView::EnIyiGenislik(int ornekSatir)
{
    BeginUpdate();
    const int n = suzgec_->rowCount();
    QStyleOptionViewItem o;
    o.font = view_->font();
    o.palette = view_->palette();
    const QFontMetrics bfm(baslik_->font());
    // Bounded: the first rows plus the rows on screen, never every row.
    QVector<int> satirlar;
    for (int r = 0; r < qMin(n, ornekSatir); ++r) satirlar.push_back(r);
    const int ilk = view_->rowAt(0);
    if (ilk >= 0) {
        const int son = qMin(n - 1, ilk + view_->viewport()->height() / qMax(1, view_->verticalHeader()->defaultSectionSize()) + 1);
        for (int r = qMax(ilk, ornekSatir); r <= son; ++r) satirlar.push_back(r);
    }
    for (int k = 0; k < kolonlar_.size(); ++k) {
        if (view_->isColumnHidden(k)) continue;
        int w = bfm.horizontalAdvance(kolonlar_[k].Baslik) + 16 + (ayar_.BaslikFiltre ? 18 : 0);
        QAbstractItemDelegate* d = view_->itemDelegateForColumn(k);
        for (int r : satirlar) {
            const QModelIndex i = suzgec_->index(r, k);
            w = qMax(w, d ? d->sizeHint(o, i).width() + 4 : 40);
        }
        if (kolonlar_[k].Tur == HucreTuru::Dugme) w = qMax(w, kolonlar_[k].Genislik);
        baslik_->resizeSection(k, qMin(w, 600));
    }
    EndUpdate();
}

void TGridView::otoGenislik()
{
    const auto g = GorunurKolonlar();
    if (g.isEmpty()) return;
    int toplam = 0;
    for (int k : g) toplam += qMax(1, kolonlar_[k].Genislik);
    const int alan = view_->viewport()->width() > 50 ? view_->viewport()->width() : width() - KaydirmaCubuguKalinligi() - 2;
    if (alan <= 0 || toplam <= 0) return;
    int kalan = alan;
    for (int j = 0; j < g.size(); ++j) {
        const int k = g[j];
        const int w = j + 1 == g.size() ? kalan : int(qint64(qMax(1, kolonlar_[k].Genislik)) * alan / toplam);
        baslik_->resizeSection(k, qMax(0, w));
        kalan -= w;
    }
}

void TGridView::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (ayar_.KolonOtoGenislik) otoGenislik();
    emit Boyutlandi();
}

// ------------------------------------------------ incremental search

bool TGridView::ArttirimliAra(const QString& metin)
{
    const int n = suzgec_->rowCount();
    if (metin.isEmpty() || n == 0) return false;
    int k = view_->currentIndex().isValid() ? view_->currentIndex().column() : -1;
    if (k < 0 || view_->isColumnHidden(k)) {
        const auto g = GorunurKolonlar();
        if (g.isEmpty()) return false;
        k = g.first();
    }
    const int bas = qMax(0, OdakSatir());
    TMemTable* t = memModel_->table();
    const int tc = t ? memModel_->tableColumn(k) : -1;
    const bool hizli = t && tc >= 0 && suzgec_->birebir() && !satirModeli_;
    const TFieldDef* def = hizli ? &t->FieldDefs()[tc] : nullptr;
    const bool metinAlan = def && (def->DataType == FieldType::String || def->DataType == FieldType::WideMemo);
    for (int j = 0; j < n; ++j) {
        const int r = (bas + j) % n;
        bool eslesti;
        if (hizli) {
            const QVariant& c = t->Cell(r, tc);
            eslesti = metinAlan ? c.toString().startsWith(metin, Qt::CaseInsensitive)
                                : GosterimMetni(*def, c).startsWith(metin, Qt::CaseInsensitive);
        } else {
            eslesti = suzgec_->index(r, k).data(Qt::DisplayRole).toString().startsWith(metin, Qt::CaseInsensitive);
        }
        if (eslesti) {
            const QModelIndex i = suzgec_->index(r, k);
            view_->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            view_->scrollTo(i);
            return true;
        }
    }
    return false;
}

// ------------------------------------------------ customisation menu

QMenu* TGridView::OzellestirmeMenusu(QWidget* parent) const
{
    auto* m = new QMenu(parent);
    m->setObjectName(QStringLiteral("kolonOzellestirme"));
    for (int i = 0; i < kolonlar_.size(); ++i) {
        const TGridKolon& k = kolonlar_[i];
        if (!k.Sunulan) continue;
        QAction* a = m->addAction(k.Baslik.isEmpty() ? k.Isim() : k.Baslik);
        a->setObjectName(k.Isim());
        a->setCheckable(true);
        a->setChecked(!view_->isColumnHidden(i));
        const QString isim = k.Isim();
        auto* self = const_cast<TGridView*>(this);
        connect(a, &QAction::toggled, self, [self, i](bool on) {
            if (i >= self->kolonlar_.size() || !self->kolonlar_[i].Sunulan) return;
            self->kolonlar_[i].Gorunur = on;
            self->view_->setColumnHidden(i, !on);
            if (on && self->baslik_->sectionSize(i) <= 0) self->baslik_->resizeSection(i, qMax(20, self->kolonlar_[i].Genislik));
            if (self->ayar_.KolonOtoGenislik) self->otoGenislik();
            self->footerBandi_->update();
        });
    }
    return m;
}

} // namespace mivo

namespace mivo {
void TGridView::SetPopupMenu(QMenu* m) { popup_ = m; }
}

namespace mivo {

TGorunumAyarlari ListeGorunumu()
{
    TGorunumAyarlari a;
    a.SaltOkunur = true;
    a.ArttirimliArama = true;
    a.SatirYuksekligi = 40;
    a.BaslikYuksekligi = 40;
    a.BaslikFiltre = true;
    a.KolonOzellestirme = true;
    a.FooterGoster = true;
    a.CiftSatirRengi = QColor(224, 232, 241);
    a.TekSatirRengi = QColor(237, 245, 255);
    return a;
}

TGridKolon AlanKolonu(const char* alan, const char* baslik, int tag, bool gorunur, bool sunulan, int genislik,
                      HucreTuru tur)
{
    TGridKolon k;
    k.Alan = QString::fromLatin1(alan);
    k.Baslik = QString::fromUtf8(baslik);
    k.Tag = tag;
    k.Genislik = genislik;
    k.Gorunur = gorunur;
    k.Sunulan = sunulan;
    k.Tur = tur;
    return k;
}

} // namespace mivo
