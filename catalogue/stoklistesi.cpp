#include "stoklistesi.h"
#include "sepeteekle.h"
#include "controls/grid.h"
#include "controls/sayfakontrol.h"
#include "login/arkaplan.h"
#include "login/kullanicitipi.h"
#include "login/mesajkutusu.h"
#include "login/ortak.h"
#include "server/servermethods.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QVBoxLayout>

namespace mivo {

QChar HarfKatla(QChar c)
{
    switch (c.unicode()) {
    case 0x011F: return QLatin1Char('g');   // ğ
    case 0x00FC: return QLatin1Char('u');   // ü
    case 0x015F: return QLatin1Char('s');   // ş
    case 0x00F6: return QLatin1Char('o');   // ö
    case 0x00E7: return QLatin1Char('c');   // ç
    case 0x011E: return QLatin1Char('G');   // Ğ
    case 0x00DC: return QLatin1Char('U');   // Ü
    case 0x015E: return QLatin1Char('S');   // Ş
    case 0x0130: return QLatin1Char('I');   // İ
    case 0x00D6: return QLatin1Char('O');   // Ö
    case 0x00C7: return QLatin1Char('C');   // Ç
    case 0x0131: return QLatin1Char('I');   // ı
    default: return c;
    }
}

namespace {

TGridKolon kol(const char* alan, const char* baslik, int tag, int genislik, bool gorunur, bool sunulan)
{
    return AlanKolonu(alan, baslik, tag, gorunur, sunulan, genislik);
}

QVector<TGridKolon> stokKolonlari()
{
    QVector<TGridKolon> k = {
        kol("BARKOD", "Barkod", 2, 199, true, true),
        kol("FINISHKOD", "Kod", 2, 404, true, true),
        kol("OEM1", "Oem1", 2, 136, false, false),
        kol("OEM2", "Oem2", 2, 125, false, false),
        kol("OEM3", "Oem3", 2, 139, false, false),
        kol("ADI", "Açıklama", 3, 291, true, true),
        kol("OEM4", "Oem4", 2, 244, false, false),
        kol("STOK_STOKNO", "", 1, 84, false, false),
        kol("URETICIKODU", "Üretici Kod", 2, 404, false, true),
        kol("BARKOD_BARKODNO", "", 1, 84, false, false),
        kol("DIGERADI", "Diğer Adı", 3, 404, false, true),
        kol("DPKOD", "", 2, 404, false, false),
        kol("OEMNO", "Oem No", 2, 404, false, true),
        kol("BIRIM", "Birim", 1, 84, false, true),
        kol("MARKA", "Marka", 2, 404, true, true),
        kol("MODEL", "Model", 2, 404, true, true),
        kol("ANAGRUP", "Ana Grup", 2, 404, true, true),
        kol("OZELKOD", "Özel Kod", 2, 204, true, true),
        kol("KALAN", "", 1, 84, false, false),
        kol("PKOD", "", 1, 404, false, false),
        kol("KDV", "", 1, 84, false, true),
        kol("ALINANSIPARIS", "", 1, 84, false, false),
        kol("VERILENSIPARIS", "", 1, 84, false, false),
        kol("LISTEFIYATI", "Fiyatı", 2, 84, true, true),
        kol("MALIYET", "", 1, 84, false, false),
        kol("FIYAT", "Liste Fiyatı", 2, 84, true, true),
    };
    k[23].Hizalama = Qt::AlignRight | Qt::AlignVCenter;
    k.push_back(EvetHayirKolonu(QStringLiteral("Y"), QStringLiteral("Yeni"), 1));
    k.push_back(EvetHayirKolonu(QStringLiteral("K"), QStringLiteral("Kampanyalı"), 1));
    k.push_back(kol("INDIRIM", "İndirim Oran", 1, 84, true, true));
    k.push_back(kol("NETFIYAT", "Net Fiyatı", 2, 84, true, true));
    k.push_back(kol("KDVDAHIL", "KDV Dahil Fiyat", 2, 84, true, true));
    k.push_back(DurumKolonu(QStringLiteral("Durum"), 1));
    return k;
}

} // namespace

TStokListesi::TStokListesi(AnaBaglam& b, TMemTable& stok, QLineEdit* araedit, QWidget* gifstokara, TsPageControl* pc,
                           TsTabSheet* sstoklistesi, QWidget* parent)
    : QWidget(parent), b_(b), stok_(stok), araedit_(araedit), gif_(gifstokara), pc_(pc), sekme_(sstoklistesi)
{
    auto* d = new QVBoxLayout(this);
    d->setContentsMargins(0, 0, 0, 0);
    cxGrid1 = new TGridView;
    cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
    QFont f(QStringLiteral("Segoe UI"));
    f.setPixelSize(12);
    cxGrid1->setFont(f);
    cxGrid1->KolonlarTanimla(stokKolonlari());
    TGorunumAyarlari a = ListeGorunumu();
    cxGrid1->Ayarla(a);
    cxGrid1->FooterOgeleri({{QStringLiteral("FINISHKOD"), FooterTuru::Sayi},
                            {QStringLiteral("BARKOD"), FooterTuru::Sayi},
                            {QStringLiteral("OEM1"), FooterTuru::Sayi}});
    cxGrid1->SetTable(&stok_);
    d->addWidget(cxGrid1);

    popstok = new QMenu(this);
    S2 = popstok->addAction(QStringLiteral("Sepete Ekle"));
    popstok->addSeparator();
    B1 = popstok->addAction(QStringLiteral("Sipariş Bakiyeleriniz"));
    popstok->addSeparator();
    s3 = popstok->addAction(QStringLiteral("Siparişleri Göster"));
    cxGrid1->SetPopupMenu(popstok);
    // The open-balances and orders-of-a-stock windows arrive with their own work.
    B1->setEnabled(false);
    s3->setEnabled(false);
    connect(S2, &QAction::triggered, this, [this] { Korumali([this] { cxGrid1DBTableView1DblClick(); }); });
    connect(B1, &QAction::triggered, this, [this] { if (BakiyeleriAc) BakiyeleriAc(); });
    connect(s3, &QAction::triggered, this, [this] {
        if (cxGrid1->OdakSatir() >= 0 && SiparisleriAc) SiparisleriAc(cxGrid1->OdakDeger(QStringLiteral("STOK_STOKNO")).toInt());
    });
    connect(cxGrid1, &TGridView::CiftTiklandi, this, [this] { Korumali([this] { cxGrid1DBTableView1DblClick(); }); });
    connect(cxGrid1, &TGridView::Boyutlandi, this, [this] { if (araedit_->isEnabled()) KolonlariDagit(); });

    araedit_->installEventFilter(this);
    connect(araedit_, &QLineEdit::textEdited, this, [this](const QString& t) {
        // Upper-case casing: what is typed and what is pasted.
        const QString u = t.toUpper();
        if (u != t) {
            const int pos = araedit_->cursorPosition();
            araedit_->setText(u);
            araedit_->setCursorPosition(pos);
        }
    });
    connect(sekme_, &TsTabSheet::OnShow, this, [this] { sstoklistesiShow(); });
}

bool TStokListesi::eventFilter(QObject* o, QEvent* e)
{
    if (o == araedit_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            Korumali([this] { AramaBaslat(); });
            return true;
        }
        const QString t = k->text();
        if (t.size() == 1 && HarfKatla(t[0]) != t[0] && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            araedit_->insert(QString(HarfKatla(t[0])).toUpper());
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

bool TStokListesi::Araniyor() const { return !araedit_->isEnabled(); }

void TStokListesi::AramaBaslat()
{
    if (pc_->ActivePage() != sekme_) pc_->SetActivePage(sekme_);
    if (araedit_->text().trimmed().size() < 3) {
        MesajKutusu(QStringLiteral("Lütfen en az 3 harf giriniz !"), mtWarning, {mbOK}, mbOK);
        return;
    }
    const QString metin = araedit_->text();   // sent as it stands, spaces included
    auto kopya = std::make_shared<TSonucBilgisi>();
    kopya->Kopyala(*b_.sbilgi);
    std::shared_ptr<TSQLConnection> klon(b_.bagc->CloneConnection().release());
    TMemTable* stok = &stok_;
    ArkaPlanBaslat(this, [this] {
        araedit_->setEnabled(false);
        gif_->show();
        cxGrid1->DataSourceAyir();
        cxGrid1->BeginUpdate();
        cxGrid1->FiltreTemizle();
    }, [metin, kopya, klon, stok]() -> bool {
        try {
            if (!BaglantiKontrol(*klon, 0)) return true;
            TServerMethods1Client p(klon.get());
            protocol::RowSet* rs = p.StokAraMivo(metin, SbKopya(*kopya));
            stok->DisableControls();
            struct Ac { TMemTable* t; ~Ac() { t->EnableControls(); } } ac{stok};
            RowSetYukle(*stok, *rs);
            TutarFormatla(*stok);
            klon->Close();
            return false;
        } catch (...) {
            klon->Close();
            return true;
        }
    }, [this](bool hata) {
        araedit_->setEnabled(true);
        cxGrid1->DataSourceBagla();
        cxGrid1->EndUpdate();
        araedit_->selectAll();
        araedit_->setFocus();
        gif_->hide();
        if (hata) {
            MesajKutusu(QString::fromUtf8(kBaglantiHatasi), mtError, {mbOK}, mbOK);
            if (stok_.Active()) stok_.EmptyTable();
            sekme_->SetCaption(QStringLiteral("Stok Listesi"));
        }
        sekme_->SetBagTag(stok_.RecordCount());
        cxGrid1->FooterHesapla();
        KolonlariDagit();
    });
}

void TStokListesi::SpeedButton2Click()
{
    if (araedit_->isEnabled()) Korumali([this] { AramaBaslat(); });
}

void TStokListesi::SpeedButton1Click()
{
    if (!araedit_->isEnabled()) return;
    if (stok_.Active()) {
        stok_.EmptyTable();
        sekme_->SetCaption(QStringLiteral("Stok Listesi"));
    }
    pc_->SetActivePage(sekme_);
    cxGrid1->FiltreTemizle();
    araedit_->clear();
    araedit_->selectAll();
    araedit_->setFocus();
}

void TStokListesi::sstoklistesiShow()
{
    if (!window()->isActiveWindow()) return;
    araedit_->selectAll();
    araedit_->setFocus();
}

void TStokListesi::KolonlariDagit()
{
    cxGrid1->KolonlariDagit(DagitimTuru::KaydirmaCubuklu);
}

void TStokListesi::cxGrid1DBTableView1DblClick()
{
    if (cxGrid1->OdakSatir() < 0) return;
    const int stokno = cxGrid1->OdakDeger(QStringLiteral("STOK_STOKNO")).toInt();
    UrunSatiriAc(b_, stok_, stokno, &StokSepeteEkle);
}

void TStokListesi::KullaniciKurallariUygula()
{
    const KullaniciKurallari k = KullaniciTipiKurallari(*b_.sbilgi);
    if (k.personel)
        for (const char* a : {"KALAN", "MALIYET", "ALINANSIPARIS", "VERILENSIPARIS"}) {
            cxGrid1->KolonGorunur(QString::fromLatin1(a), true);
            cxGrid1->KolonSunulan(QString::fromLatin1(a), true);
        }
    if (k.kampanyaGizli) {
        cxGrid1->KolonGorunur(QStringLiteral("K"), false);
        cxGrid1->KolonSunulan(QStringLiteral("K"), false);
    }
}

} // namespace mivo
