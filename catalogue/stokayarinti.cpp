#include "stokayarinti.h"
#include "login/mesajkutusu.h"
#include "login/ortak.h"
#include "login/yuvarla.h"
#include "server/servermethods.h"
#include "stokhesap.h"

#include <QBuffer>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace mivo {

TCurrencyEdit::TCurrencyEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetValue(0);
}

double TCurrencyEdit::Value() const
{
    bool ok = false;
    const double v = MetinSayi(text(), &ok);
    return ok ? v : 0.0;
}

void TCurrencyEdit::SetValue(double v)
{
    setText(QLocale().toString(v, 'f', 2));
}

void TCurrencyEdit::focusOutEvent(QFocusEvent* e)
{
    SetValue(Value());
    QLineEdit::focusOutEvent(e);
}

std::function<int(Tstokayarinti&)>& Tstokayarinti::Calistirici()
{
    static std::function<int(Tstokayarinti&)> f = [](Tstokayarinti& d) { return d.exec(); };
    return f;
}

Tstokayarinti::Tstokayarinti(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("stokayarinti"));
    setWindowTitle(QStringLiteral("Sepete Ekle"));
    resize(550, 631);
    auto* dikey = new QVBoxLayout(this);

    auto* ust = new QWidget;
    auto* ug = new QGridLayout(ust);
    ug->setContentsMargins(4, 4, 4, 4);
    const char* basliklar[] = {"Barkod:", "Açıklama:", "Finish Kod:", "Marka:", "Model:"};
    QLabel** degerler[] = {&barkod, &adi, &finishkod, &marka, &model};
    const char* adlar[] = {"barkod", "adi", "finishkod", "marka", "model"};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QLabel(QString::fromUtf8(basliklar[i]));
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ug->addWidget(b, i, 0);
        *degerler[i] = new QLabel;
        (*degerler[i])->setObjectName(QString::fromLatin1(adlar[i]));
        (*degerler[i])->setWordWrap(true);
        ug->addWidget(*degerler[i], i, 1);
    }
    ug->setColumnStretch(1, 1);
    dikey->addWidget(ust);

    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMinimumSize(200, 200);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Image1->setPixmap(QPixmap(QStringLiteral(":/mivo/resimyok.svg")));
    Image1->setProperty("yertutucu", true);
    dikey->addWidget(Image1, 1);

    auto* alt = new QWidget;
    auto* ag = new QGridLayout(alt);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(20);
    adet = new QSpinBox;
    adet->setObjectName(QStringLiteral("adet"));
    adet->setRange(1, 10000);
    adet->setValue(1);
    adet->setFont(f);
    adet->setStyleSheet(QStringLiteral("background: rgb(246,249,251)"));
    adet->setAlignment(Qt::AlignRight);
    TCurrencyEdit** kutular[] = {&birimfiyat, &indoran, &indtutar, &kdvdahiltutar, &geneltutar};
    const char* kutuAdlari[] = {"birimfiyat", "indoran", "indtutar", "kdvdahiltutar", "geneltutar"};
    for (int i = 0; i < 5; ++i) {
        *kutular[i] = new TCurrencyEdit;
        (*kutular[i])->setObjectName(QString::fromLatin1(kutuAdlari[i]));
        (*kutular[i])->setFont(f);
        (*kutular[i])->setReadOnly(true);
        (*kutular[i])->installEventFilter(this);
    }
    indirimoran = new QLabel(QStringLiteral("İndirim:"));
    indirimoran->setObjectName(QStringLiteral("indirimoran"));
    ag->addWidget(new QLabel(QStringLiteral("Adet:")), 0, 0);
    ag->addWidget(adet, 0, 1);
    ag->addWidget(new QLabel(QStringLiteral("Fiyat:")), 1, 0);
    ag->addWidget(birimfiyat, 1, 1);
    ag->addWidget(indirimoran, 2, 0);
    ag->addWidget(indoran, 2, 1);
    ag->addWidget(indtutar, 2, 2);
    ag->addWidget(new QLabel(QStringLiteral("KDV Dahil:")), 3, 0);
    ag->addWidget(kdvdahiltutar, 3, 1);
    ag->addWidget(new QLabel(QStringLiteral("Tutar:")), 4, 0);
    ag->addWidget(geneltutar, 4, 1);
    ParcaliTus1 = new QPushButton(QStringLiteral("Sipariş ekle"));
    ParcaliTus1->setObjectName(QStringLiteral("ParcaliTus1"));
    ParcaliTus2 = new QPushButton(QStringLiteral("Vazgeç"));
    ParcaliTus2->setObjectName(QStringLiteral("ParcaliTus2"));
    ParcaliTus1->setAutoDefault(false);
    ParcaliTus2->setAutoDefault(false);
    ag->addWidget(ParcaliTus1, 0, 2, 2, 1);
    ag->addWidget(ParcaliTus2, 3, 2, 2, 1);
    dikey->addWidget(alt);

    adet->installEventFilter(this);
    adet->findChild<QLineEdit*>()->installEventFilter(this);
    connect(adet, &QSpinBox::valueChanged, this, [this] {
        ToplamYaz();
        TutarlariHesapla();
    });
    connect(ParcaliTus1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ParcaliTus2, &QPushButton::clicked, this, &QDialog::reject);
    adet->setFocus();
}

void Tstokayarinti::FiyatDegistirilebilir(bool evet)
{
    birimfiyat->setReadOnly(!evet);
    indoran->setReadOnly(!evet);
}

void Tstokayarinti::ToplamYaz()
{
    geneltutar->SetValue(mivo::ToplamYaz(adet->value(), kdvlifiyat));
}

void Tstokayarinti::TutarlariHesapla()
{
    const DiyalogTutarlari t = mivo::TutarlariHesapla(birimfiyat->Value(), indoran->Value(), kdvoran, adet->value());
    indtutar->SetValue(t.indtutar);
    kdvdahiltutar->SetValue(t.kdvdahiltutar);
    geneltutar->SetValue(t.geneltutar);
}

void Tstokayarinti::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    ToplamYaz();   // FormShow
    if (parentWidget()) move(parentWidget()->window()->geometry().center() - rect().center());
    adet->setFocus();
    adet->selectAll();   // FormActivate
}

bool Tstokayarinti::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (enter && (o == adet || o == adet->findChild<QLineEdit*>())) { accept(); return true; }
        if (enter && o == birimfiyat) { indoran->setFocus(); indoran->selectAll(); return true; }
        if (enter && o == indoran) { birimfiyat->selectAll(); birimfiyat->setFocus(); return true; }
    } else if (e->type() == QEvent::KeyRelease) {
        if (o == birimfiyat || o == indoran || o == indtutar || o == kdvdahiltutar || o == geneltutar)
            TutarlariHesapla();
    }
    return QDialog::eventFilter(o, e);
}

void Tstokayarinti::ResimGoster(const QByteArray& jpeg)
{
    QBuffer b;
    b.setData(jpeg);
    b.open(QIODevice::ReadOnly);
    QImageReader r(&b, "jpeg");
    const QImage img = r.read();
    if (img.isNull()) return;
    const QPixmap p = QPixmap::fromImage(img);
    Image1->setPixmap(p.scaled(QSize(qMax(Image1->width(), 400), qMax(Image1->height(), 300)), Qt::KeepAspectRatio,
                               Qt::SmoothTransformation));
    Image1->setProperty("yertutucu", false);
}

void ResimGetir(TSQLConnection& bagc, int stokno, Tstokayarinti& d)
{
    if (!BaglantiKontrol(bagc, 1)) return;
    try {
        TServerMethods1Client p(&bagc);
        qint64 boy = 0;
        TStream* s = p.ResimVer5(stokno, boy);
        QByteArray veri;
        if (AkisOku(s, boy, veri)) d.ResimGoster(veri);
    } catch (const std::exception& e) {
        DuzMesaj(HataMetni(e), QString(), mtError);
    }
    bagc.Close();
}

} // namespace mivo
