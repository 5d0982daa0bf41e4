#include "kullanicikayit.h"
#include "login/kimlik.h"
#include "login/mesajkutusu.h"
#include "login/ortak.h"
#include "server/mobilstokunit.h"
#include "server/servermethods.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mivo {

namespace {

// Closes the connection on every way out of a call sequence.
struct Kapatici {
    TSQLConnection& c;
    ~Kapatici() { c.Close(); }
};

QLineEdit* kutu(const char* ad, int genislik)
{
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(ad));
    e->setFixedWidth(genislik);
    return e;
}

QLabel* etiket(const QString& metin)
{
    auto* l = new QLabel(metin);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QLabel* baslikEtiketi(const QString& metin)
{
    auto* l = new QLabel(metin);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("font-size: 15px; padding: 6px;"));
    return l;
}

} // namespace

Tkullanicikayit::Tkullanicikayit(QWidget* AOwner, TSQLConnection& _c, const TSonucBilgisi& _b) : QDialog(AOwner)
{
    setObjectName(QStringLiteral("kullanicikayit"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(13);
    f.setBold(true);
    setFont(f);
    resize(705, 514);

    con = _c.CloneConnection();
    Bilgim.Kopyala(_b);
    _idsi = BilgisayarIdAl();

    auto* dikey = new QVBoxLayout(this);
    lblid = new QLabel(QStringLiteral("Bilgisayar ID: ") + _idsi);
    lblid->setObjectName(QStringLiteral("lblid"));
    lblid->setTextInteractionFlags(Qt::TextSelectableByMouse);
    dikey->addWidget(lblid);

    auto* izgara = new QGridLayout;
    izgara->setColumnStretch(2, 1);
    int satir = 0;
    auto tek = [&](const QString& e, QLineEdit* k) {
        izgara->addWidget(etiket(e), satir, 0);
        izgara->addWidget(k, satir, 1, Qt::AlignLeft);
        ++satir;
    };
    auto cift = [&](const QString& e, QLineEdit* a, QLineEdit* b) {
        izgara->addWidget(etiket(e), satir, 0);
        auto* h = new QHBoxLayout;
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(36);
        h->addWidget(a);
        h->addWidget(b);
        h->addStretch(1);
        izgara->addLayout(h, satir, 1);
        ++satir;
    };
    auto bolum = [&](const QString& b) {
        izgara->addWidget(baslikEtiketi(b), satir, 0, 1, 3);
        ++satir;
    };

    firmaadi = kutu("firmaadi", 502);
    adres1 = kutu("adres1", 502);
    adres2 = kutu("adres2", 502);
    ilce = kutu("ilce", 233);
    sehir = kutu("sehir", 233);
    telefon = kutu("telefon", 233);
    fax = kutu("fax", 233);
    vd = kutu("vd", 233);
    vn = kutu("vn", 233);
    yetkili = kutu("yetkili", 502);
    kullaniciadi = kutu("kullaniciadi", 502);
    sifre = kutu("sifre", 502);   // typed in clear on purpose: the dealer reads it
    mail = kutu("mail", 502);
    kargoambar = kutu("kargoambar", 502);

    bolum(QStringLiteral("Firma Bilgileri"));
    tek(QStringLiteral("Firma Adı:"), firmaadi);
    tek(QStringLiteral("Adres:"), adres1);
    tek(QStringLiteral("Adres2:"), adres2);
    cift(QStringLiteral("İlçe/Şehir:"), ilce, sehir);
    cift(QStringLiteral("Telefon/Fax:"), telefon, fax);
    cift(QStringLiteral("Vergi Dairesi / No:"), vd, vn);
    bolum(QStringLiteral("Kullanıcı Bilgileri"));
    tek(QStringLiteral("Yetkili:"), yetkili);
    tek(QStringLiteral("Kullanıcı Adı:"), kullaniciadi);
    tek(QStringLiteral("Şifre:"), sifre);
    tek(QStringLiteral("Mail:"), mail);
    tek(QStringLiteral("Kargo Ambar:"), kargoambar);
    dikey->addLayout(izgara);
    dikey->addStretch(1);

    auto* alt = new QHBoxLayout;
    Button2 = new QPushButton(QStringLiteral("Gönder"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("Kapat"));
    Button1->setObjectName(QStringLiteral("Button1"));
    for (QPushButton* b : {Button2, Button1}) {
        b->setMinimumSize(110, 32);
        b->setAutoDefault(false);
    }
    alt->addWidget(Button2);
    alt->addStretch(1);
    alt->addWidget(Button1);
    dikey->addLayout(alt);

    QWidget* onceki = firmaadi;
    for (QWidget* w : std::initializer_list<QWidget*>{adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili,
                                                      kullaniciadi, sifre, mail, kargoambar, Button2, Button1}) {
        setTabOrder(onceki, w);
        onceki = w;
    }
    connect(Button2, &QPushButton::clicked, this, &Tkullanicikayit::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &Tkullanicikayit::Button1Click);
    firmaadi->setFocus();
}

Tkullanicikayit::~Tkullanicikayit() = default;

std::unique_ptr<Tkullanicikayit> Tkullanicikayit::Yeni(QWidget* AOwner, TSQLConnection& _c, const TSonucBilgisi& _b)
{
    std::unique_ptr<Tkullanicikayit> k(new Tkullanicikayit(AOwner, _c, _b));
    k->setWindowTitle(QStringLiteral("B2B İstek Formu"));
    k->durum = tyeni;
    return k;
}

std::unique_ptr<Tkullanicikayit> Tkullanicikayit::Ac(QWidget* AOwner, TSQLConnection& _c, const TSonucBilgisi& _b)
{
    std::unique_ptr<Tkullanicikayit> k(new Tkullanicikayit(AOwner, _c, _b));
    k->kullaniciadi->setText(k->Bilgim.ADI());
    k->firmaadi->setText(k->Bilgim.CariAdi());
    k->BilgileriGetir();
    k->setWindowTitle(QStringLiteral("Şifre Değiştirme İsteği"));
    k->durum = teski;
    return k;
}

void Tkullanicikayit::BilgileriGetir()
{
    con->Close();
    if (!BaglantiKontrol(*con, 1)) return;
    Kapatici kapat{*con};
    con->Open();
    TServerMethods1Client p(con.get());
    const TMobilCariBilgisi* m = p.MobilCariBilgisiGetir(0, _idsi);
    if (!m) return;   // nothing registered: the fields stay empty
    adres1->setText(m->ADRES1());
    adres2->setText(m->ADRES2());
    ilce->setText(m->ILCE());
    sehir->setText(m->SEHIR());
    telefon->setText(m->TEL1());
    fax->setText(m->FAX1());
    vd->setText(m->VERGIDAIRESI());
    vn->setText(m->VERGINO());
}

bool Tkullanicikayit::KayitKontrol()
{
    const struct {
        QLineEdit* e;
        const char* mesaj;
    } zorunlu[] = {
        {firmaadi, "Firma Adı boş olamaz !"}, {adres1, "Adres boş olamaz !"},
        {ilce, "İlçe Adı boş olamaz !"},      {sehir, "Şehir Adı boş olamaz !"},
        {telefon, "Telefon  boş olamaz !"},   {yetkili, "Yetkili  boş olamaz !"},
        {kullaniciadi, "Kullanıcı  boş olamaz !"}, {sifre, "Şifre  boş olamaz !"},
        {mail, "Mail  boş olamaz !"},
    };
    for (const auto& z : zorunlu) {
        if (!z.e->text().trimmed().isEmpty()) continue;
        z.e->selectAll();
        z.e->setFocus();
        MesajKutusu(QString::fromUtf8(z.mesaj), mtWarning, {mbOK}, mbOK);
        return false;
    }
    return true;
}

void Tkullanicikayit::Button2Click()
{
    if (!KayitKontrol()) return;
    // An error of the call goes to the general error report, with no confirmation.
    try {
        if (durum == tyeni) YeniKayitGonder();
        else SifreIstegiGonder();
    } catch (const std::exception& e) {
        con->Close();
        HataRaporu(QString::fromUtf8(e.what()));
    }
}

void Tkullanicikayit::Button1Click() { done(mrCancel); }

void Tkullanicikayit::YeniKayitGonder() { Gonder(QStringLiteral("B2B Yeni Kullanıcı İstek")); }

void Tkullanicikayit::SifreIstegiGonder() { Gonder(QStringLiteral("Şifre Değiştirme İsteği")); }

void Tkullanicikayit::Gonder(const QString& konu)
{
    con->Close();
    if (!BaglantiKontrol(*con, 1)) return;
    {
        Kapatici kapat{*con};
        con->Open();
        TServerMethods1Client p(con.get());
        p.MailGonserCari(_idsi, konu, firmaadi->text(), adres1->text(), adres2->text(), ilce->text(), sehir->text(),
                         telefon->text(), fax->text(), vd->text(), vn->text(), yetkili->text(), kullaniciadi->text(),
                         sifre->text(), mail->text(), kargoambar->text());
    }
    MesajKutusu(QStringLiteral("İsteğiniz Gönderildi!"), mtInformation, {mbOK}, mbOK);
}

} // namespace mivo
