#include "mailform.h"
#include "login/arkaplan.h"
#include "login/kimlik.h"
#include "login/mesajkutusu.h"
#include "login/ortak.h"
#include "server/mobilstokunit.h"
#include "server/servermethods.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mivo {

QString VirgulluMetin(const QStringList& satirlar)
{
    QStringList l;
    for (const QString& s : satirlar) {
        bool tirnak = false;
        for (QChar c : s)
            if ((c.unicode() >= 1 && c.unicode() <= 32) || c == QLatin1Char('"') || c == QLatin1Char(',')) {
                tirnak = true;
                break;
            }
        if (!tirnak) {
            l << s;
            continue;
        }
        QString q = s;
        q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        l << QLatin1Char('"') + q + QLatin1Char('"');
    }
    return l.join(QLatin1Char(','));
}

Tmailform::Tmailform(QWidget* AOwner, TSQLConnection& _c, const TSonucBilgisi& _b) : QDialog(AOwner)
{
    setObjectName(QStringLiteral("mailform"));
    setWindowTitle(QStringLiteral("Mail Gönder"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(11);
    setFont(f);
    resize(671, 451);
    con = _c.CloneConnection();
    Bilgim.Kopyala(_b);

    auto* dikey = new QVBoxLayout(this);
    auto* izgara = new QGridLayout;
    auto* l1 = new QLabel(QStringLiteral("Konu:"));
    l1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    baslik = new QLineEdit;
    baslik->setObjectName(QStringLiteral("baslik"));
    baslik->setFixedWidth(560);
    auto* l2 = new QLabel(QStringLiteral("Mail:"));
    l2->setAlignment(Qt::AlignRight | Qt::AlignTop);
    konu = new QPlainTextEdit;
    konu->setObjectName(QStringLiteral("konu"));
    konu->setFixedSize(560, 324);
    konu->setLineWrapMode(QPlainTextEdit::NoWrap);
    konu->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    konu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    konu->setTabChangesFocus(true);
    izgara->addWidget(l1, 0, 0);
    izgara->addWidget(baslik, 0, 1, Qt::AlignLeft);
    izgara->addWidget(l2, 1, 0);
    izgara->addWidget(konu, 1, 1, Qt::AlignLeft);
    izgara->setColumnStretch(2, 1);
    dikey->addLayout(izgara);
    dikey->addStretch(1);

    auto* alt = new QHBoxLayout;
    Button2 = new QPushButton(QStringLiteral("Gönder"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("Kapat"));
    Button1->setObjectName(QStringLiteral("Button1"));
    for (QPushButton* b : {Button2, Button1}) {
        b->setMinimumSize(100, 28);
        b->setAutoDefault(false);
    }
    alt->addWidget(Button2);
    alt->addStretch(1);
    alt->addWidget(Button1);
    dikey->addLayout(alt);

    connect(Button2, &QPushButton::clicked, this, &Tmailform::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &Tmailform::Button1Click);
    baslik->setFocus();
}

Tmailform::~Tmailform() = default;

std::unique_ptr<Tmailform> Tmailform::Ac(QWidget* AOwner, TSQLConnection& _c, const TSonucBilgisi& _b)
{
    return std::unique_ptr<Tmailform>(new Tmailform(AOwner, _c, _b));
}

QStringList Tmailform::Satirlar() const
{
    const QString t = konu->toPlainText();
    if (t.isEmpty()) return {};
    QStringList l = t.split(QLatin1Char('\n'));
    if (t.endsWith(QLatin1Char('\n'))) l.removeLast();   // a final line break opens no line
    return l;
}

bool Tmailform::MailKontrol()
{
    if (baslik->text().trimmed().isEmpty()) {
        baslik->selectAll();
        baslik->setFocus();
        MesajKutusu(QStringLiteral("Lütfen Başlık Giriniz !"), mtWarning, {mbOK}, mbOK);
        return false;
    }
    if (konu->toPlainText().trimmed().isEmpty()) {
        konu->selectAll();
        konu->setFocus();
        MesajKutusu(QStringLiteral("Lütfen Konu Giriniz !"), mtWarning, {mbOK}, mbOK);
        return false;
    }
    return true;
}

void Tmailform::Button2Click()
{
    if (!Button2->isEnabled()) return;
    if (!MailKontrol()) return;
    Button2->setEnabled(false);
    const QString b = baslik->text();
    const QStringList s = Satirlar();
    auto hata = std::make_shared<bool>(true);
    ArkaPlanBaslat(
        this, {}, [this, b, s, hata] {
            *hata = MailGonder(b, s);
            return *hata;
        },
        [this, hata](bool) {
            if (*hata) MesajKutusu(QStringLiteral("Mail Göndermede Hata\r\nLütfen Tekrar Deneyin !"), mtError, {mbOK}, mbOK);
            else MesajKutusu(QStringLiteral("Mail Gönderildi !"), mtInformation, {mbOK}, mbOK);
            Button2->setEnabled(true);
        });
}

bool Tmailform::MailGonder(const QString& konuBasligi, const QStringList& satirlar)
{
    if (!BaglantiKontrol(*con, 1)) return true;
    try {
        const QString idsi = BilgisayarIdAl();
        TServerMethods1Client p1(con.get());
        const TMobilCariBilgisi* m = p1.MobilCariBilgisiGetir(0, idsi);
        if (!m) {
            con->Close();
            return true;
        }
        TServerMethods1Client p2(con.get());
        p2.MailGonserCariNormal(idsi, konuBasligi, m->CARIADI(), m->ADRES1(), m->ADRES2(), m->ILCE(), m->SEHIR(),
                                m->TEL1(), m->FAX1(), m->VERGIDAIRESI(), m->VERGINO(), m->YETKILI(),
                                m->KULLANICIADI(), m->SIFRE(), m->MAIL(), QString(), VirgulluMetin(satirlar));
        con->Close();
        return false;
    } catch (...) {
        con->Close();
        return true;
    }
}

bool Tmailform::gonderiliyor() const { return !Button2->isEnabled(); }

void Tmailform::Button1Click()
{
    if (gonderiliyor()) return;
    done(mrCancel);
}

void Tmailform::reject()
{
    // Escape and the close box follow "Kapat": nothing closes while a send runs.
    if (gonderiliyor()) return;
    QDialog::reject();
}

void Tmailform::closeEvent(QCloseEvent* e)
{
    if (gonderiliyor()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

} // namespace mivo
