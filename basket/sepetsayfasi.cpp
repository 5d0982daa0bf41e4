#include "sepetsayfasi.h"
#include "onaysip.h"
#include "sepethesap.h"
#include "catalogue/sepeteekle.h"
#include "controls/excel.h"
#include "controls/grid.h"
#include "login/kullanicitipi.h"
#include "login/mesajkutusu.h"
#include "login/ortak.h"
#include "login/yuvarla.h"
#include "server/servermethods.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace mivo {

// ---------- TRadioGroup ----------

TRadioGroup::TRadioGroup(const QString& baslik, QWidget* parent) : QGroupBox(baslik, parent), duzen_(new QVBoxLayout(this))
{
    duzen_->setContentsMargins(6, 4, 6, 4);
    duzen_->setSpacing(2);
    duzen_->addStretch(1);
}

void TRadioGroup::Clear()
{
    qDeleteAll(dugmeler_);
    dugmeler_.clear();
    idler_.clear();
}

void TRadioGroup::Add(const QString& metin, int id)
{
    auto* r = new QRadioButton(metin);
    duzen_->insertWidget(duzen_->count() - 1, r);
    dugmeler_.push_back(r);
    idler_.push_back(id);
    connect(r, &QRadioButton::clicked, this, &TRadioGroup::Click);
}

int TRadioGroup::ItemIndex() const
{
    for (int i = 0; i < dugmeler_.size(); ++i)
        if (dugmeler_[i]->isChecked()) return i;
    return -1;
}

void TRadioGroup::SetItemIndex(int i)
{
    for (int k = 0; k < dugmeler_.size(); ++k) {
        dugmeler_[k]->setAutoExclusive(false);
        dugmeler_[k]->setChecked(k == i);
        dugmeler_[k]->setAutoExclusive(true);
    }
}

QString TRadioGroup::ItemText(int i) const { return i >= 0 && i < dugmeler_.size() ? dugmeler_[i]->text() : QString(); }
int TRadioGroup::ItemId(int i) const { return idler_.value(i, 0); }

// ---------- the basket tab ----------

namespace {

TGridKolon kol(const char* alan, const char* baslik, int tag, bool gorunur, bool sunulan,
               HucreTuru tur = HucreTuru::Metin)
{
    return AlanKolonu(alan, baslik, tag, gorunur, sunulan, 84, tur);
}

QVector<TGridKolon> sepetKolonlari()
{
    QVector<TGridKolon> k = {
        kol("SEC", "Seç", 1, false, false, HucreTuru::OnayKutusu),
        kol("VERILISTARIHI", "Sipariş Tarihi", 1, true, true),
        kol("SIRANO", "", 0, false, false),
        kol("SIPARISNO", "Sipariş No", 0, false, true),
        kol("CARINO", "", 0, false, false),
        kol("TARIH", "Tarih", 1, false, true),
        kol("AKTAR", "", 0, false, false),
        kol("STOKNO", "", 0, false, false),
        kol("BARKOD", "Barkod", 2, true, true),
        kol("FINISHKOD", "Kod", 2, true, true),
        kol("OEMNO", "OEMNo", 2, false, true),
        kol("STOKADI", "Stok Açıklama", 3, true, true),
        kol("MIKTAR", "Miktar", 1, true, true),
        kol("BIRIMFIYAT", "Birim Fiyat", 1, true, true),
        kol("TUTAR", "Tutar", 1, true, true),
        kol("INDIRIMORANI1", "İndirim Oranı %", 1, true, true),
        kol("INDIRIMORANI2", "", 1, false, false),
        kol("INDIRIMORANI3", "", 1, false, false),
        kol("INDIRIMTUTAR", "İndirim Tutar", 1, false, false),
        kol("NETBIRIMFIYAT", "Net Fiyat", 1, true, true),
        kol("KDV", "KDV", 1, true, true),
        kol("VERGITUTARI", "Vergi Tutarı", 1, true, true),
        kol("NETTUTAR", "Net Tutar", 1, true, true),
        kol("KUR", "Kur", 1, false, true),
        kol("KURTL", "", 1, false, false),
        kol("VERENIDNO", "", 1, false, false),
        kol("SAAT", "Saat", 1, false, true),
        kol("TESLIMID", "", 1, false, false),
        kol("KARGOID", "", 1, false, false),
        kol("ACIKLAMA", "Açıklama", 1, false, true),
        kol("IDNO", "", 1, false, false),
        kol("VERENSIRANO", "", 1, false, false),
        kol("VEREN", "Veren", 1, true, true),
        kol("CARIKOD", "Cari Kod", 1, false, false),
        kol("CARIADI", "Cari Adı", 1, false, false),
        kol("OEM1", "", 1, false, true),
        kol("OEM2", "", 1, false, true),
        kol("OEM3", "", 1, false, true),
        kol("OEM4", "", 1, false, true),
        kol("STOK_STOKNO", "", 1, false, false),
        kol("URETICIKODU", "", 1, false, false),
        kol("DIGERADI", "", 1, false, true),
        kol("DPKOD", "", 1, false, true),
        kol("MARKA", "Marka", 1, false, true),
        kol("MODEL", "Model", 1, false, true),
        kol("ANAGRUP", "Ana Grup", 1, false, true),
        kol("OZELKOD", "Özel Kod", 1, false, true),
        kol("PKOD", "", 1, false, true),
    };
    k.push_back(DurumKolonu(QStringLiteral("Durum"), 1));
    k.push_back(kol("KALAN", "Kalan", 1, false, false));
    return k;
}

QLabel* degerEtiketi(const char* ad, bool kalin)
{
    auto* l = new QLabel(QStringLiteral("0,00"));
    l->setObjectName(QString::fromLatin1(ad));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (kalin) { QFont f = l->font(); f.setBold(true); l->setFont(f); }
    return l;
}

} // namespace

TSepetSayfasi::TSepetSayfasi(AnaBaglam& b, std::function<void(int)> badge, QWidget* parent)
    : QWidget(parent), b_(b), badge_(std::move(badge))
{
    auto* dikey = new QVBoxLayout(this);
    dikey->setContentsMargins(2, 2, 2, 2);

    cxGrid2 = new TGridView;
    cxGrid2->setObjectName(QStringLiteral("cxGrid2"));
    QFont gf(QStringLiteral("Tahoma"));
    gf.setPixelSize(13);
    cxGrid2->setFont(gf);
    cxGrid2->KolonlarTanimla(sepetKolonlari());
    TGorunumAyarlari a = ListeGorunumu();
    a.OdakCercevesi = false;
    cxGrid2->Ayarla(a);
    cxGrid2->FooterOgeleri({{QStringLiteral("VERILISTARIHI"), FooterTuru::Sayi},
                            {QStringLiteral("MIKTAR"), FooterTuru::Toplam},
                            {QStringLiteral("NETTUTAR"), FooterTuru::Toplam}});
    cxGrid2->SetTable(b_.sepet);
    dikey->addWidget(cxGrid2, 1);

    PopupMenu1 = new QMenu(this);
    QAction* degistir = PopupMenu1->addAction(QStringLiteral("Satır Değiştir"));
    PopupMenu1->addSeparator();
    QAction* sil = PopupMenu1->addAction(QStringLiteral("Satır Sil"));
    PopupMenu1->addSeparator();
    QAction* hepsi = PopupMenu1->addAction(QStringLiteral("Hepsini Sil"));
    cxGrid2->SetPopupMenu(PopupMenu1);
    connect(degistir, &QAction::triggered, this, [this] { Korumali([this] { Deitir1Click(); }); });
    connect(sil, &QAction::triggered, this, [this] { Korumali([this] { SatrSil1Click(); }); });
    connect(hepsi, &QAction::triggered, this, [this] { Korumali([this] { HepsiniSil1Click(); }); });
    connect(cxGrid2, &TGridView::CiftTiklandi, this, [this] { Korumali([this] { Deitir1Click(); }); });
    connect(cxGrid2, &TGridView::Boyutlandi, this, [this] { if (cxGrid2->isEnabled()) KolonlariDagit(); });

    // Bottom panel: delivery, cargo, carrier, note with the totals, the two buttons.
    auto* alt = new QWidget;
    alt->setFixedHeight(170);
    auto* yatay = new QHBoxLayout(alt);
    yatay->setContentsMargins(0, 0, 0, 0);
    teslimbox = new TRadioGroup(QStringLiteral("Teslim Durumu"));
    teslimbox->setObjectName(QStringLiteral("teslimbox"));
    boxkargo = new TRadioGroup(QStringLiteral("Kargo Türleri"));
    boxkargo->setObjectName(QStringLiteral("boxkargo"));
    yatay->addWidget(teslimbox);
    yatay->addWidget(boxkargo);
    auto* kargoKutu = new QGroupBox(QStringLiteral("Kargo"));
    auto* kd = new QVBoxLayout(kargoKutu);
    kargocombo = new QComboBox;
    kargocombo->setObjectName(QStringLiteral("kargocombo"));
    kargocombo->setEditable(false);
    uyarikargo = new QLabel;
    uyarikargo->setObjectName(QStringLiteral("uyarikargo"));
    uyarikargo->setFixedSize(210, 59);
    uyarikargo->setWordWrap(true);
    uyarikargo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    kd->addWidget(kargocombo);
    kd->addWidget(uyarikargo);
    kd->addStretch(1);
    yatay->addWidget(kargoKutu);
    auto* mesaj = new QGroupBox(QStringLiteral("Mesaj"));
    auto* md = new QHBoxLayout(mesaj);
    aciklamagir = new QPlainTextEdit;
    aciklamagir->setObjectName(QStringLiteral("aciklamagir"));
    QFont nf(QStringLiteral("Tahoma"));
    nf.setPixelSize(11);
    nf.setBold(true);
    aciklamagir->setFont(nf);
    aciklamagir->setStyleSheet(QStringLiteral("QPlainTextEdit { background: rgb(246,249,251); }"));
    md->addWidget(aciklamagir, 1);
    auto* toplamlar = new QWidget;
    toplamlar->setStyleSheet(QStringLiteral("QLabel { color: rgb(67,76,88); }"));
    auto* tg = new QGridLayout(toplamlar);
    aratoplaml = degerEtiketi("aratoplaml", false);
    indiriml = degerEtiketi("indiriml", false);
    nettutarl = degerEtiketi("nettutarl", false);
    vergil = degerEtiketi("vergil", false);
    geneltoplaml = degerEtiketi("geneltoplaml", true);
    const char* basliklar[] = {"Toplam:", "İndirim Toplam:", "Ara Toplam:", "Vergi:", "Genel Toplam:"};
    QLabel* degerler[] = {aratoplaml, indiriml, nettutarl, vergil, geneltoplaml};
    for (int i = 0; i < 5; ++i) {
        auto* l = new QLabel(QString::fromUtf8(basliklar[i]));
        if (i == 4) { QFont f = l->font(); f.setBold(true); l->setFont(f); }
        tg->addWidget(l, i, 0);
        tg->addWidget(degerler[i], i, 1);
    }
    toplamlar->setMinimumWidth(230);
    md->addWidget(toplamlar);
    yatay->addWidget(mesaj, 1);
    auto* tuslar = new QVBoxLayout;
    Button1 = new QPushButton(QStringLiteral("Gönder"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setMinimumSize(120, 60);
    Button2 = new QPushButton(QStringLiteral("Excel Kaydet"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setMinimumSize(120, 40);
    tuslar->addWidget(Button1);
    tuslar->addWidget(Button2);
    tuslar->addStretch(1);
    yatay->addLayout(tuslar);
    dikey->addWidget(alt);

    connect(boxkargo, &TRadioGroup::Click, this, [this] { Korumali([this] { boxkargoClick(); }); });
    connect(kargocombo, &QComboBox::currentIndexChanged, this, [this] { kargocomboChange(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Korumali([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Korumali([this] { Button2Click(); }); });
}

void TSepetSayfasi::KullaniciKurallariUygula()
{
    const KullaniciKurallari k = KullaniciTipiKurallari(*b_.sbilgi);
    if (k.personel) {
        cxGrid2->KolonGorunur(QStringLiteral("KALAN"), true);
        cxGrid2->KolonSunulan(QStringLiteral("KALAN"), true);
    }
    if (k.durumGizli) {
        cxGrid2->KolonGorunur(QStringLiteral("DURUM"), false);
        cxGrid2->KolonSunulan(QStringLiteral("DURUM"), false);
    }
}

void TSepetSayfasi::ssepetShow()
{
    SepetGetir();
    TeslimKargoGetir();
}

void TSepetSayfasi::SepetGetir()
{
    auto klon = b_.bagc->CloneConnection();
    if (!BaglantiKontrol(*klon, 1)) return;
    {
        TServerMethods1Client p(klon.get());
        protocol::RowSet* rs = p.SepetVer(b_.sbilgi->CARINO());
        b_.sepet->DisableControls();
        try {
            RowSetYukle(*b_.sepet, *rs);
        } catch (...) {
            b_.sepet->EnableControls();
            klon->Close();
            throw;
        }
        TutarFormatla(*b_.sepet);
        b_.sepet->EnableControls();
    }
    klon->Close();
    if (badge_) badge_(b_.sepet->RecordCount());
    cxGrid2->FooterHesapla();
    SepetToplamHesapla();
}

void TSepetSayfasi::SepetToplamHesapla()
{
    const int odak = b_.sepet->RecNo();
    const SepetToplamlari t = mivo::SepetToplamHesapla(*b_.sepet);
    b_.sepet->SetRecNo(odak);
    aratoplaml->setText(TutarMetni(t.toplam));
    indiriml->setText(TutarMetni(t.indirim));
    vergil->setText(QLocale().toString(t.vergi, 'f', 2));
    nettutarl->setText(TutarMetni(t.net));
    geneltoplaml->setText(TutarMetni(t.genel));
}

void TSepetSayfasi::TeslimKargoGetir()
{
    auto klon = b_.bagc->CloneConnection();
    if (!BaglantiKontrol(*klon, 1)) return;
    {
        TServerMethods1Client p(klon.get());
        protocol::RowSet* t = p.TeslimVer();
        teslimbox->Clear();
        for (const auto& r : t->rows) teslimbox->Add(r.value(1).toString(), r.value(0).toInt());
        teslimbox->SetItemIndex(teslimbox->Count() > 1 ? 1 : teslimbox->Count() - 1);
    }
    {
        TServerMethods1Client p(klon.get());
        protocol::RowSet* k = p.KargoVer();
        boxkargo->Clear();
        for (const auto& r : k->rows) boxkargo->Add(r.value(1).toString(), r.value(0).toInt());
        boxkargo->SetItemIndex(-1);
    }
    klon->Close();
}

void TSepetSayfasi::boxkargoClick()
{
    uyarikargo->clear();
    const int i = boxkargo->ItemIndex();
    if (i >= 0) KargolariGetir(boxkargo->ItemId(i));
}

void TSepetSayfasi::KargolariGetir(int gn)
{
    if (!BaglantiKontrol(*b_.bagc, 1)) return;
    {
        TServerMethods1Client p(b_.bagc);
        protocol::RowSet* rs = p.KargolarVer(gn);
        RowSetYukle(kargo, *rs);
        b_.bagc->Close();
    }
    const QSignalBlocker sus(kargocombo);
    kargocombo->clear();
    kargocombo->addItem(QStringLiteral(" "));
    for (kargo.First(); !kargo.Eof(); kargo.Next()) kargocombo->addItem(GosterimAlani(kargo, u"ADI"));
    kargocombo->setCurrentIndex(-1);
}

void TSepetSayfasi::kargocomboChange()
{
    try {
        kargo.First();
        if (kargo.Active() && kargo.Locate(u"ADI", kargocombo->currentText()))
            uyarikargo->setText(GosterimAlani(kargo, u"UYARI"));
        else
            uyarikargo->clear();
    } catch (...) {
        uyarikargo->clear();
    }
}

void TSepetSayfasi::Button1Click()
{
    auto uyar = [](const char* m) { MesajKutusu(QString::fromUtf8(m), mtWarning, {mbOK}, mbOK); };
    if (!SeciliVarMi(*b_.sepet)) { uyar("Gönderilecek Parça Yok "); return; }
    if (teslimbox->ItemIndex() < 0) { uyar("Lütfen Teslim Durumu Seçiniz !"); return; }
    if (boxkargo->ItemIndex() < 0) { uyar("Lütfen Kargo Türünü Seçiniz !"); return; }
    if (kargocombo->currentIndex() <= 0) {
        uyar("Lütfen Kargo  Seçiniz !");
        kargocombo->setFocus();
        return;
    }
    int kargoyeni = 0;
    if (kargo.Locate(u"ADI", kargocombo->currentText())) kargoyeni = kargo.AsInteger(u"SIRANO");
    const int teslim = teslimbox->ItemId(teslimbox->ItemIndex());
    const int kargoTuru = boxkargo->ItemId(boxkargo->ItemIndex());
    TONAYSIP onay(window());
    QString not_ = aciklamagir->toPlainText();
    not_.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    onay.Label2->setText(TONAYSIP::Ozet(b_.sbilgi->ADI(), b_.sbilgi->CariAdi(), teslimbox->ItemText(teslimbox->ItemIndex()),
                                        boxkargo->ItemText(boxkargo->ItemIndex()), geneltoplaml->text(),
                                        kargocombo->currentText(), not_));
    if (TONAYSIP::Calistirici()(onay) != QDialog::Accepted) return;
    if (SiparisGonder(kargoyeni, kargoTuru, teslim)) {
        MesajKutusu(QStringLiteral("Siparişiniz Gönderildi !"), mtInformation, {mbOK}, mbOK);
        SepetGetir();
        aciklamagir->clear();
    } else {
        MesajKutusu(QStringLiteral("Sipariş Göndermede Hata"), mtError, {mbOK}, mbOK);
    }
}

bool TSepetSayfasi::SiparisGonder(int kargoyeni, int kargoTuru, int teslim)
{
    auto kopya = SbKopya(*b_.sbilgi);
    if (!BaglantiKontrol(*b_.bagc, 1)) return false;
    bool sonuc = false;
    try {
        TServerMethods1Client p(b_.bagc);
        QString not_ = aciklamagir->toPlainText();
        not_.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        sonuc = p.SiparisKaydet(std::move(kopya), b_.sbilgi->CARINO(), teslim, kargoTuru, not_, b_.sbilgi->Sirano(),
                                kargoyeni);
    } catch (const EBaglantiHatasi&) {
        // The link broke during the call: the order may not have arrived.
        b_.bagc->Close();
        return false;
    }
    b_.bagc->Close();
    return sonuc;
}

void TSepetSayfasi::Deitir1Click()
{
    if (cxGrid2->OdakSatir() < 0) return;
    const int sirano = cxGrid2->OdakDeger(QStringLiteral("SIRANO")).toInt();
    b_.sepet->Locate(u"SIRANO", sirano);
    mivo::SepetSatirDegistir(b_, sirano);
}

void TSepetSayfasi::SatrSil1Click()
{
    if (cxGrid2->OdakSatir() < 0) return;
    const int satirno = cxGrid2->OdakDeger(QStringLiteral("SIRANO")).toInt();
    b_.sepet->Locate(u"SIRANO", satirno);
    if (MesajKutusu(QStringLiteral("Satırı silmek istiyor musunuz "), mtConfirmation, {mbYes, mbNo}, mbNo) != mrYes)
        return;
    if (!BaglantiKontrol(*b_.bagc, 1)) return;
    {
        TServerMethods1Client p(b_.bagc);
        const QString aciklama = GosterimAlani(*b_.sepet, u"BARKOD") + QStringLiteral("-") + GosterimAlani(*b_.sepet, u"STOKADI");
        p.SepetSatirSil(SbKopya(*b_.sbilgi), satirno, aciklama);
    }
    b_.bagc->Close();
    SepetGetir();
    MesajKutusu(QStringLiteral("Satır silindi !"), mtInformation, {mbOK}, mbOK);
}

void TSepetSayfasi::HepsiniSil1Click()
{
    if (!TabloDoluMu(*b_.sepet)) return;
    if (MesajKutusu(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "), mtConfirmation, {mbYes, mbNo}, mbNo) != mrYes)
        return;
    auto kopya = SbKopya(*b_.sbilgi);
    if (!BaglantiKontrol(*b_.bagc, 1)) return;
    {
        TServerMethods1Client p(b_.bagc);
        p.SepetHepsiniSil(std::move(kopya));
        MesajKutusu(QStringLiteral("Sepet Silindi !"), mtInformation, {mbOK}, mbOK);
    }
    b_.bagc->Close();
    SepetGetir();
}

void TSepetSayfasi::Button2Click()
{
    QString hata;
    if (!ExcelKaydet(this, *cxGrid2, &hata) && !hata.isEmpty()) MesajKutusu(hata, mtError, {mbOK}, mbOK);
}

void TSepetSayfasi::KolonlariDagit()
{
    cxGrid2->KolonlariDagit(DagitimTuru::GenisEkran30);
}

} // namespace mivo
