#include "anaform.h"
#include "basket/sepetsayfasi.h"
#include "catalogue/stoklistesi.h"
#include "controls/sayfakontrol.h"
#include "controls/skin.h"
#include "login/arkaplan.h"
#include "login/girisform.h"
#include "login/kimlik.h"
#include "login/kullanicitipi.h"
#include "login/mesajkutusu.h"
#include "login/ortak.h"
#include "login/programsonu.h"
#include "requests/kullanicikayit.h"
#include "requests/mailform.h"
#include "server/yapilandirma.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QPointer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace mivo {

bool YilbasiDonemi(const QDate& bugun)
{
    return (bugun.month() == 12 && bugun.day() > 25) || (bugun.month() == 1 && bugun.day() < 6);
}

TForm1::GirisCalistirici& TForm1::Giris()
{
    static GirisCalistirici g = [](QWidget*, TSQLConnection& bagim, TSonucBilgisi& bilgim) {
        // Owned by the desktop, so the login has its own task-bar button while this window is hidden.
        Tgirisform girisform(nullptr);
        girisform.bagim = &bagim;
        girisform.Bilgim = &bilgim;
        return girisform.exec();
    };
    return g;
}

std::function<bool(const QUrl&)>& TForm1::KabukAc()
{
    static std::function<bool(const QUrl&)> f = [](const QUrl& u) { return QDesktopServices::openUrl(u); };
    return f;
}

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    ArayuzKur();
    FormCreate();
}

TForm1::~TForm1()
{
    // The grids hold the tables below; they go first, while the tables still exist.
    delete takeCentralWidget();
}

QLabel* TForm1::MesgulGostergesi(const QString& ad)
{
    auto* l = new QLabel;
    l->setObjectName(ad);
    l->setFixedSize(28, 28);
    auto* m = new QMovie(QStringLiteral(":/mivo/mesgul.gif"), QByteArray(), l);
    m->setScaledSize(QSize(28, 28));
    l->setMovie(m);
    m->start();
    l->hide();
    return l;
}

void TForm1::ArayuzKur()
{
    setObjectName(QStringLiteral("Form1"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    f.setBold(true);
    setFont(f);
    resize(1344, 701);

    auto* merkez = new QWidget;
    auto* dikey = new QVBoxLayout(merkez);
    dikey->setContentsMargins(0, 0, 0, 0);
    dikey->setSpacing(0);

    // Header
    auto* Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(72);
    auto* ust = new QHBoxLayout(Panel1);
    ust->setContentsMargins(4, 2, 4, 2);
    auto* GridPanel1 = new QWidget;
    GridPanel1->setObjectName(QStringLiteral("GridPanel1"));
    GridPanel1->setFixedWidth(672);
    auto* g = new QGridLayout(GridPanel1);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(0);
    g->setColumnStretch(0, 105);
    g->setColumnStretch(1, 895);
    const char* basliklar[] = {"Kullanıcı: ", "Firma: ", "Temsilci: "};
    QLabel** degerler[] = {&kullanicilbl, &cariadilbl, &saticilbl};
    const char* adlar[] = {"kullanicilbl", "cariadilbl", "saticilbl"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QLabel(QString::fromUtf8(basliklar[i]));
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(b, i, 0);
        *degerler[i] = new QLabel(QStringLiteral("..."));
        (*degerler[i])->setObjectName(QString::fromLatin1(adlar[i]));
        g->addWidget(*degerler[i], i, 1);
    }
    ust->addWidget(GridPanel1);
    ust->addStretch(1);
    RxGIFAnimator1 = new QLabel;
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->setFixedSize(405, 70);
    RxGIFAnimator1->setAlignment(Qt::AlignCenter);
    RxGIFAnimator1->setScaledContents(true);
    ust->addWidget(RxGIFAnimator1);
    sSpeedButton1 = new QToolButton;
    sSpeedButton1->setObjectName(QStringLiteral("sSpeedButton1"));
    sSpeedButton1->setFixedSize(75, 64);
    sSpeedButton1->setIcon(QIcon(QStringLiteral(":/mivo/menu.svg")));
    sSpeedButton1->setIconSize(QSize(40, 40));
    sSpeedButton1->setPopupMode(QToolButton::InstantPopup);
    sSpeedButton1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ust->addWidget(sSpeedButton1);
    dikey->addWidget(Panel1);

    Genelmenu = new QMenu(this);
    Genelmenu->setObjectName(QStringLiteral("Genelmenu"));
    M1 = Genelmenu->addAction(QStringLiteral("Mail Gönder"));
    M1->setObjectName(QStringLiteral("M1"));
    Genelmenu->addSeparator()->setObjectName(QStringLiteral("N8"));
    N4 = Genelmenu->addAction(QStringLiteral("Şifre Değiştirme İsteği"));
    N4->setObjectName(QStringLiteral("N4"));
    Genelmenu->addSeparator()->setObjectName(QStringLiteral("N3"));
    WebSitesi1 = Genelmenu->addAction(QStringLiteral("WebSitesi1"));
    WebSitesi1->setObjectName(QStringLiteral("WebSitesi1"));
    Genelmenu->addSeparator()->setObjectName(QStringLiteral("N2"));
    G1 = Genelmenu->addAction(QStringLiteral("Çıkış"));
    G1->setObjectName(QStringLiteral("G1"));
    sSpeedButton1->setMenu(Genelmenu);
    connect(WebSitesi1, &QAction::triggered, this, &TForm1::WebSitesi1Click);
    connect(G1, &QAction::triggered, this, &QWidget::close);
    connect(M1, &QAction::triggered, this, [this] {
        auto mailform = Tmailform::Ac(this, bagc, sbilgi);
        mailform->exec();
    });
    connect(N4, &QAction::triggered, this, [this] {
        try {
            auto kayit = Tkullanicikayit::Ac(this, bagc, sbilgi);
            kayit->exec();
        } catch (const std::exception& e) {
            HataRaporu(QString::fromUtf8(e.what()));
        }
    });

    // Tool bar
    auto* Panel2 = new QWidget;
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(35);
    auto* arac = new QHBoxLayout(Panel2);
    arac->setContentsMargins(4, 2, 4, 2);
    arac->setSpacing(4);
    auto* Image2 = new QLabel;
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(QIcon(QStringLiteral(":/mivo/ara.svg")).pixmap(28, 28));
    arac->addWidget(Image2);
    araedit = new QLineEdit;
    araedit->setObjectName(QStringLiteral("araedit"));
    araedit->setFixedWidth(340);
    QFont af(QStringLiteral("Tahoma"));
    af.setPixelSize(20);
    araedit->setFont(af);
    arac->addWidget(araedit);
    SpeedButton2 = new QToolButton;
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setToolTip(QStringLiteral("Ara"));
    SpeedButton2->setIcon(QIcon(QStringLiteral(":/mivo/ara.svg")));
    arac->addWidget(SpeedButton2);
    SpeedButton1 = new QToolButton;
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(QStringLiteral("Temizle"));
    SpeedButton1->setIcon(QIcon(QStringLiteral(":/mivo/temizle.svg")));
    arac->addWidget(SpeedButton1);
    musteritus = new QToolButton;
    musteritus->setObjectName(QStringLiteral("musteritus"));
    musteritus->setText(QStringLiteral("Başka Cari Seç"));
    musteritus->setFixedWidth(149);
    musteritus->hide();
    arac->addWidget(musteritus);
    kurlar = new QLabel(QStringLiteral("Kurlar"));
    kurlar->setObjectName(QStringLiteral("kurlar"));
    QFont kf(QStringLiteral("Tahoma"));
    kf.setPixelSize(16);
    kf.setBold(true);
    kurlar->setFont(kf);
    kurlar->setStyleSheet(QStringLiteral("color: black"));
    arac->addWidget(kurlar);
    gifstokara = MesgulGostergesi(QStringLiteral("gifstokara"));
    gifyeniler = MesgulGostergesi(QStringLiteral("gifyeniler"));
    gifkampanyali = MesgulGostergesi(QStringLiteral("gifkampanyali"));
    gifduyuru = MesgulGostergesi(QStringLiteral("gifduyuru"));
    gifekstre = MesgulGostergesi(QStringLiteral("gifekstre"));
    gifoncekiler = MesgulGostergesi(QStringLiteral("gifoncekiler"));
    gifsanalpos = MesgulGostergesi(QStringLiteral("gifsanalpos"));
    gifdosyalar = MesgulGostergesi(QStringLiteral("gifdosyalar"));
    gifmivoara = MesgulGostergesi(QStringLiteral("gifmivoara"));
    for (QLabel* l : {gifstokara, gifyeniler, gifkampanyali, gifduyuru, gifekstre, gifoncekiler, gifsanalpos,
                      gifdosyalar, gifmivoara})
        arac->addWidget(l);
    arac->addStretch(1);
    dikey->addWidget(Panel2);

    // Work area, tabs in their order.
    sPageControl1 = new TsPageControl;
    sPageControl1->setObjectName(QStringLiteral("sPageControl1"));
    struct S { TsTabSheet** p; const char* ad; const char* baslik; int ikon; };
    const S sekmeler[] = {
        {&sstoklistesi, "sstoklistesi", "Stok\r\nListesi", 0},
        {&ssepet, "ssepet", "Sepet", 8},
        {&sonceki, "sonceki", "Sipariş\r\nDurumları", 2},
        {&sccariekstre, "sccariekstre", "Cari Ekstre", 1},
        {&syeniler, "syeniler", "Yeni\r\nStoklar", 10},
        {&skampanyali, "skampanyali", "Kampanyalı", 6},
        {&sTabSheetduyuru, "sTabSheetduyuru", "Duyurular", 5},
        {&sTabbakiyeler, "sTabbakiyeler", "Bakiyeler", 7},
        {&sTabSheet2, "sTabSheet2", "Orjinal\r\nFiyatlar", 13},
        {&tabdosyalar, "tabdosyalar", "Dosyalar", 16},
        {&sanalkart, "sanalkart", "Sanal Pos", 11},
    };
    for (const S& s : sekmeler) {
        *s.p = new TsTabSheet(QString::fromLatin1(s.ad), QString::fromUtf8(s.baslik), s.ikon);
        sPageControl1->SayfaEkle(*s.p);
    }
    dikey->addWidget(sPageControl1, 1);

    baglam.pencere = this;
    baglam.bagc = &bagc;
    baglam.sbilgi = &sbilgi;
    baglam.USDKUR = &_USDKUR;
    baglam.EURKUR = &_EURKUR;
    baglam.sepet = &sepet;
    auto sayfayaKoy = [](TsTabSheet* s, QWidget* w) {
        auto* l = new QVBoxLayout(s);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(w);
    };
    stokListesi = new TStokListesi(baglam, stok, araedit, gifstokara, sPageControl1, sstoklistesi);
    sayfayaKoy(sstoklistesi, stokListesi);
    sepetSayfasi = new TSepetSayfasi(baglam, [this](int n) { ssepet->SetBagTag(n); });
    sayfayaKoy(ssepet, sepetSayfasi);
    baglam.SepetGetir = [this] { sepetSayfasi->SepetGetir(); };
    connect(ssepet, &TsTabSheet::OnShow, this, [this] { Korumali([this] { sepetSayfasi->ssepetShow(); }); });

    // Legend of the stock status icons.
    auto* Panel3 = new QWidget;
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedHeight(27);
    auto* lej = new QHBoxLayout(Panel3);
    lej->setContentsMargins(6, 0, 6, 0);
    lej->setSpacing(2);
    QFont lf(QStringLiteral("MS Sans Serif"));
    lf.setPixelSize(11);
    lf.setBold(true);
    auto* lb = new QLabel(QStringLiteral("Durum Açıklaması:    "));
    lb->setFont(lf);
    lej->addWidget(lb);
    struct L { int ikon; const char* metin; };
    const L lejant[] = {{0, " Stok mevcut  "}, {8, " Telefon Açınız  "}, {2, " Yolda  "},
                        {5, " Tedarik Sürecinde "}, {1, " Özel Sipariş  "}, {4, " Yok  "}};
    for (const L& l : lejant) {
        auto* p = new QLabel;
        p->setPixmap(QIcon(QStringLiteral(":/mivo/durum/%1.svg").arg(l.ikon)).pixmap(20, 20));
        lej->addWidget(p);
        auto* t = new QLabel(QString::fromUtf8(l.metin));
        t->setFont(lf);
        lej->addWidget(t);
    }
    lej->addStretch(1);
    dikey->addWidget(Panel3);

    // Bottom band: the marquee above the text ticker.
    auto* Panel5 = new QWidget;
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFixedHeight(125);
    auto* alt = new QVBoxLayout(Panel5);
    alt->setContentsMargins(0, 0, 0, 0);
    alt->setSpacing(0);
    RealTimeMarquee1 = new QLabel;
    RealTimeMarquee1->setObjectName(QStringLiteral("RealTimeMarquee1"));
    static_cast<QLabel*>(RealTimeMarquee1)->setPixmap(QPixmap(QStringLiteral(":/mivo/logoserit.png")));
    // The strip is far wider than any screen; it must not widen the window.
    RealTimeMarquee1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    RealTimeMarquee1->setMinimumWidth(0);
    alt->addWidget(RealTimeMarquee1, 1);
    kayanyazi = new QLabel;
    kayanyazi->setObjectName(QStringLiteral("kayanyazi"));
    kayanyazi->setFixedHeight(51);
    QFont kyf(QStringLiteral("Arial"));
    kyf.setPixelSize(24);
    kayanyazi->setFont(kyf);
    alt->addWidget(kayanyazi);
    dikey->addWidget(Panel5);

    setCentralWidget(merkez);
    araedit->setFocus();

    connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
}

void TForm1::FormCreate()
{
    _indirmeyapiliyormu = false;
    if (YilbasiDonemi()) SkinSec(QString::fromLatin1(kWinterSkin));
    else SkinSec(QString::fromLatin1(kOfficeSkin));
    _acilisadet = 0;
    MesajFontBoyuAyarla(15);
    QApplication::setApplicationName(QStringLiteral("MİVO Otomotiv Online Sipariş Programı  (Velmor)"));
    setWindowTitle(QStringLiteral("MİVO Otomotiv Online Sipariş Programı (Velmor)"));
    _USDKUR = 1.0;
    _EURKUR = 1.0;
    sbilgi = TSonucBilgisi();
    sbilgi.SetBilgiSayarAdi(BilgisayarAdiAl());
    sbilgi.SetBilgisayarKullanici(KullaniciAdiAl());
    sbilgi.SetIcip(YerelIpAl());
    sbilgi.SetBILGISAYARID(BilgisayarIdAl());
    bagc.HostName = yapilandirma().sunucuHost;
    bagc.Port = QString::fromLatin1(kSunucuPortu);
    if (yapilandirma().sunucuPort != QLatin1String(kSunucuPortu)) bagc.Port = yapilandirma().sunucuPort;
    WebSitesi1->setText(yapilandirma().webSitesi);
    if (!GirisYap()) return;
    basladi_ = true;
    BaslangicGorevi();
}

bool TForm1::GirisYap()
{
    const int sonuc = Giris()(this, bagc, sbilgi);
    if (sonuc != mrOk) { ProgramiBitir(0); return false; }
    if (sbilgi.Disip().trimmed().isEmpty()) { ProgramiBitir(0); return false; }
    KullaniciTipiUygula();
    return true;
}

void TForm1::KullaniciTipiUygula()
{
    const KullaniciKurallari k = KullaniciTipiKurallari(sbilgi);
    if (k.personel) musteritus->show();
    stokListesi->KullaniciKurallariUygula();
    sepetSayfasi->KullaniciKurallariUygula();
    if (k.kampanyaGizli) sPageControl1->SayfaGizle(skampanyali, true);
}

void TForm1::UstBilgiYaz()
{
    kullanicilbl->setText(sbilgi.ADI());
    cariadilbl->setText(sbilgi.CariAdi());
    saticilbl->setText(sbilgi.SaticiAdi() + QStringLiteral(" Telefonu: ") + sbilgi.SaticiTelefon()
                       + QStringLiteral(" email: ") + sbilgi.SaticiMail());
}

void TForm1::BaslangicGorevi()
{
    // One background task; each step handles its own connection failure.
    // The ticker, banner, advert count, rates and tab counters join it with their own work.
    // The worker reads only what it was handed and posts its results back, so a
    // window closed meanwhile is never touched.
    const QPointer<QObject> ben(this);
    ArkaPlanBaslat(this, {}, [this, ben] {
        ArayuzeGonder(ben, [this] { UstBilgiYaz(); });
        return false;
    }, [](bool) {});
}

void TForm1::WebSitesi1Click()
{
    QString adres = yapilandirma().webSitesi;
    if (!adres.contains(QLatin1String("://"))) adres = QStringLiteral("http://") + adres;
    KabukAc()(QUrl(adres));
    araedit->selectAll();
    araedit->setFocus();
}

void TForm1::SpeedButton2Click() { stokListesi->SpeedButton2Click(); }

void TForm1::SpeedButton1Click() { stokListesi->SpeedButton1Click(); }

void TForm1::closeEvent(QCloseEvent* e)
{
    e->ignore();
    if (MesajKutusu(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), mtConfirmation, {mbYes, mbNo}, mbYes) == mrYes)
        ProgramiBitir(0);
}

} // namespace mivo
