#include "girisform.h"
#include "arkaplan.h"
#include "geciciguncelleme.h"
#include "inidosyasi.h"
#include "kimlik.h"
#include "mesajkutusu.h"
#include "ortak.h"
#include "programsonu.h"
#include "requests/kullanicikayit.h"
#include "server/servermethods.h"
#include "server/yapilandirma.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

namespace mivo {

namespace {

const char* const kBolum = "kullanici";
const char* const kHataliGiris = "Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !";

QString ayarDosyasi() { return VeriKlasoru() + QStringLiteral("/ayar.ini"); }

// One GET of the IP echo service: connect time-out 15000 ms, then 1500 ms for each read.
// True with the body when the service answered with success.
bool ipSor(QNetworkAccessManager& nam, const QUrl& url, const std::atomic<bool>& iptal, QString* govde)
{
    QNetworkRequest istek(url);
    istek.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    istek.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply* r = nam.get(istek);
    QEventLoop dongu;
    QTimer sure;
    sure.setSingleShot(true);
    QTimer yoklama;   // a cancelled login stops waiting at once
    QObject::connect(&sure, &QTimer::timeout, r, &QNetworkReply::abort);
    QObject::connect(&yoklama, &QTimer::timeout, r, [&] { if (iptal.load()) r->abort(); });
    QObject::connect(r, &QNetworkReply::requestSent, &sure, [&] { sure.start(1500); });
    QObject::connect(r, &QNetworkReply::readyRead, &sure, [&] { sure.start(1500); });
    QObject::connect(r, &QNetworkReply::finished, &dongu, &QEventLoop::quit);
    sure.start(15000);
    yoklama.start(100);
    if (!r->isFinished()) dongu.exec();
    const int durum = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = r->error() == QNetworkReply::NoError && durum >= 200 && durum < 300;
    if (ok) *govde = QString::fromUtf8(r->readAll()).trimmed();
    delete r;
    return ok;
}

} // namespace

TBuyukHarfEdit::TBuyukHarfEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        const QString b = t.toUpper();
        if (b == t) return;
        const int imlec = cursorPosition() + (b.size() - t.size());
        setText(b);
        setCursorPosition(qBound(0, imlec, int(b.size())));
    });
}

Tgirisform::Tgirisform(QWidget* AOwner)
    : QDialog(AOwner, Qt::Window | Qt::FramelessWindowHint), iptal_(std::make_shared<std::atomic<bool>>(false))
{
    setObjectName(QStringLiteral("girisform"));
    setWindowTitle(QStringLiteral("Giriş"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    f.setBold(true);
    setFont(f);

    // The background picture gives the window its size and shape.
    arka_ = QPixmap(QStringLiteral(":/mivo/giris_arka.png"));
    const QSize boy = arka_.isNull() ? QSize(368, 579) : arka_.size();
    setFixedSize(boy);
    setAttribute(Qt::WA_TranslucentBackground);
    if (!arka_.isNull()) setMask(arka_.mask().isNull() ? QRegion(rect()) : QRegion(arka_.mask()));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(rect());
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Image1->lower();
    Image1->hide();   // drawn by paintEvent; the label only names the picture

    RxGIFAnimator1 = new QLabel(this);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->setGeometry((boy.width() - 50) / 2, 204, 50, 50);
    film_ = new QMovie(QStringLiteral(":/mivo/mesgul.gif"), QByteArray(), RxGIFAnimator1);
    film_->setScaledSize(QSize(50, 50));
    RxGIFAnimator1->setMovie(film_);
    RxGIFAnimator1->hide();

    Label1 = new QLabel(QStringLiteral(" Kullanıcı Adı:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(36, 268, 200, 22);
    Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    adi = new TBuyukHarfEdit(this);
    adi->setObjectName(QStringLiteral("adi"));
    adi->setGeometry(36, 292, 296, 30);

    Label2 = new QLabel(QStringLiteral(" Şifre:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(36, 330, 114, 22);
    Label2->setStyleSheet(QStringLiteral("color: white; background: #f08a1c; border-radius: 4px;"));

    sifre = new TBuyukHarfEdit(this);
    sifre->setObjectName(QStringLiteral("sifre"));
    sifre->setGeometry(36, 354, 296, 30);
    sifre->setEchoMode(QLineEdit::Password);
    sifre->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    benihatirla = new QCheckBox(QStringLiteral("Beni hatırla"), this);
    benihatirla->setObjectName(QStringLiteral("benihatirla"));
    benihatirla->setGeometry(36, 394, 200, 24);
    benihatirla->setChecked(true);
    benihatirla->setStyleSheet(QStringLiteral("color: white; background: transparent;"));

    Button1 = new QPushButton(QStringLiteral("Giriş"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(36, 432, 296, 38);

    Button2 = new QPushButton(QStringLiteral("Vazgeç"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(36, 480, 296, 32);

    // Enter in the boxes is handled by the boxes, never by a default button.
    for (QPushButton* b : {Button1, Button2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    setTabOrder(adi, Button2);
    setTabOrder(Button2, benihatirla);
    setTabOrder(benihatirla, sifre);
    setTabOrder(sifre, Button1);

    adi->installEventFilter(this);
    sifre->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);

    if (QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    adi->setFocus();
    FormCreate();
}

Tgirisform::~Tgirisform()
{
    // A worker still asking the IP echo service stops with the window.
    iptal_->store(true);
}

void Tgirisform::FormCreate()
{
    idsi = BilgisayarIdAl();
    AyarOku();
}

void Tgirisform::AyarOku()
{
    const QString yol = ayarDosyasi();
    if (!QFileInfo::exists(yol)) return;
    const TIniFile ini(yol);
    const QString b = QString::fromLatin1(kBolum);
    benihatirla->setChecked(ini.ReadBool(b, QStringLiteral("hatırla"), true));
    if (benihatirla->isChecked()) {
        adi->setText(ini.ReadString(b, QStringLiteral("isim"), QString()));
        sifre->setText(ini.ReadString(b, QStringLiteral("sifre"), QString()));
    }
}

void Tgirisform::AyarKaydet()
{
    TIniFile ini(ayarDosyasi());
    const QString b = QString::fromLatin1(kBolum);
    ini.WriteString(b, QStringLiteral("isim"), adi->text());
    ini.WriteString(b, QStringLiteral("sifre"), sifre->text());
    ini.WriteBool(b, QStringLiteral("hatırla"), benihatirla->isChecked());
}

bool Tgirisform::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress && (o == adi || o == sifre)) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            if (o == adi) adiKeyDown();
            else sifreKeyDown();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void Tgirisform::adiKeyDown()
{
    if (adi->text().trimmed().isEmpty()) {
        DuzMesaj(QStringLiteral("Lütfen kullanıcı adını giriniz !"), QStringLiteral("Warning"), mtWarning);
        adi->selectAll();
        adi->setFocus();
        return;
    }
    sifre->selectAll();
    sifre->setFocus();
}

void Tgirisform::sifreKeyDown()
{
    if (sifre->text().trimmed().isEmpty()) {
        DuzMesaj(QStringLiteral("Lütfen kullanıcı şifresini giriniz !"), QStringLiteral("Warning"), mtWarning);
        sifre->selectAll();
        sifre->setFocus();
        return;
    }
    if (Button1->isEnabled()) Button1Click();
}

void Tgirisform::Button1Click()
{
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);
    auto ip = std::make_shared<QString>();
    auto iptal = iptal_;
    const QString url = yapilandirma().ipEchoUrl;
    ArkaPlanBaslat(
        this,
        [this] {
            RxGIFAnimator1->show();
            film_->start();
        },
        [ip, iptal, url] {
            *ip = DisIpAl(url, *iptal);
            return false;
        },
        [this, ip, iptal](bool) {
            if (iptal->load()) return;
            Button1->setText(QStringLiteral("Giriş!"));
            Devamet(*ip);
        });
}

void Tgirisform::Button2Click()
{
    ProgramiBitir(0);
    // Only reached when the end of the process is intercepted: stop what runs.
    iptal_->store(true);
}

QString Tgirisform::DisIpAl(const QString& url, const std::atomic<bool>& iptal)
{
    QNetworkAccessManager nam;
    const QUrl adres(url);
    for (;;) {
        if (iptal.load()) return {};
        QString govde;
        if (ipSor(nam, adres, iptal, &govde)) return govde;
        // No limit on the attempts: the login waits until the service answers.
        for (int i = 0; i < 10 && !iptal.load(); ++i) QThread::msleep(100);
    }
}

void Tgirisform::Devamet(const QString& ip)
{
    if (ip.trimmed().isEmpty()) {
        AnimasyonDurdur();
        MesajKutusu(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyiniz !"), mtError, {mbOK}, mbOK);
        Button1->setEnabled(true);
        return;
    }
    if (!bagim || !Bilgim) {
        Button1->setEnabled(true);
        return;
    }
    Bilgim->SetDisip(ip);
    bagim->HostName = yapilandirma().sunucuHost;

    // The worker fills its own copy; the completion puts it into Bilgim on this thread.
    struct Durum {
        std::unique_ptr<TSQLConnection> klon;
        TSonucBilgisi sonuc;
        bool dogrusonuc = false;
    };
    auto d = std::make_shared<Durum>();
    d->klon = bagim->CloneConnection();
    d->sonuc.Kopyala(*Bilgim);
    auto iptal = iptal_;
    const QString id = idsi;
    const QString url = yapilandirma().ipEchoUrl;
    ArkaPlanBaslat(
        this, {},
        [d, iptal, id, url] {
            // GirisBilgisiAl
            d->dogrusonuc = false;
            if (!BaglantiKontrol(*d->klon, 0)) return false;
            try {
                TServerMethods1Client c(d->klon.get());
                TSonucBilgisi* b = c.BuyukGetir(id);
                if (!b) {
                    d->klon->Close();
                    return false;
                }
                d->sonuc.Kopyala(*b);
            } catch (...) {
                d->klon->Close();
                return false;
            }
            d->klon->Close();
            d->klon.reset();
            d->sonuc.SetBilgiSayarAdi(BilgisayarAdiAl());
            d->sonuc.SetBilgisayarKullanici(KullaniciAdiAl());
            d->sonuc.SetIcip(YerelIpAl());
            d->sonuc.SetBILGISAYARID(BilgisayarIdAl());
            d->sonuc.SetDisip(DisIpAl(url, *iptal));
            d->dogrusonuc = true;
            return false;
        },
        [this, d, iptal](bool) {
            if (iptal->load()) return;
            DevametTamam(d->dogrusonuc, d->sonuc);
        });
}

void Tgirisform::AnimasyonDurdur()
{
    RxGIFAnimator1->hide();
    film_->stop();
}

void Tgirisform::DevametTamam(bool dogrusonuc, const TSonucBilgisi& sonuc)
{
    AnimasyonDurdur();
    if (!dogrusonuc) {
        MesajKutusu(QStringLiteral("Bağlantı Kurulamadı !"), mtError, {mbOK}, mbOK);
        Button1->setEnabled(true);
        adi->selectAll();
        adi->setFocus();
        return;
    }
    Bilgim->Kopyala(sonuc);
    if (Bilgim->Version() != kProgramVersiyonu) GuncellemeIndir();
    if (!Bilgim->Varmi()) {
        KayitFormuAc();
        return;
    }
    if (adi->text() == Bilgim->ADI() && sifre->text() == Bilgim->SIFRE()) {
        AyarKaydet();
        if (Bilgim->AKTIF() == 1) {
            if (Bilgim->MusteriTipi() == 1 || Bilgim->MusteriTipi() == 2) {
                if (!CariSec()) return;
            }
            done(mrOk);
            return;
        }
    }
    HataliGiris();
}

void Tgirisform::HataliGiris()
{
    MesajKutusu(QString::fromUtf8(kHataliGiris), mtWarning, {mbOK}, mbOK);
    Button1->setEnabled(true);
    adi->selectAll();
    adi->setFocus();
}

void Tgirisform::GuncellemeIndir()
{
    auto p = TGeciciGuncellemePenceresi::Yeni(this, Bilgim->Version());
    p->bagim = bagim;
    p->exec();
}

void Tgirisform::KayitFormuAc()
{
    {
        auto k = Tkullanicikayit::Yeni(this, *bagim, *Bilgim);
        k->exec();
    }
    ProgramiBitir(0);
    iptal_->store(true);
}

bool Tgirisform::CariSec()
{
    // Sales staff pick their customer first; until that window is part of the
    // program they cannot log in here, and are told so as a failed login.
    HataliGiris();
    return false;
}

void Tgirisform::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!arka_.isNull()) p.drawPixmap(0, 0, arka_);
    else p.fillRect(rect(), QColor(0x1d, 0x4f, 0x8f));
}

void Tgirisform::mousePressEvent(QMouseEvent* e)
{
    // The whole window is its own title bar.
    if (e->button() != Qt::LeftButton) return QDialog::mousePressEvent(e);
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    surukleniyor_ = true;
    surukleme_ = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void Tgirisform::mouseMoveEvent(QMouseEvent* e)
{
    if (surukleniyor_ && (e->buttons() & Qt::LeftButton)) move(e->globalPosition().toPoint() - surukleme_);
    else QDialog::mouseMoveEvent(e);
}

void Tgirisform::mouseReleaseEvent(QMouseEvent* e)
{
    surukleniyor_ = false;
    QDialog::mouseReleaseEvent(e);
}

} // namespace mivo
