// Operator commands: the demo dealer (seed-demo), accounts (register-account) and the outbox (list-outbox).
#include "belgeler.h"
#include "gif.h"
#include "komutlar.h"
#include "ortak.h"
#include "satirlar.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlRecord>
#include <cstdio>

namespace dealer {

namespace {

QString arg(const QStringList& a, const char* ad, const QString& vars = {})
{
    const int i = a.indexOf(QLatin1String(ad));
    return i >= 0 && i + 1 < a.size() ? a[i + 1] : vars;
}

// A prepared INSERT reused for every row of a table.
class Ekleyici {
public:
    Ekleyici(Veritabani& db, const QString& sql) : q_(db.db())
    {
        if (!q_.prepare(sql)) throw VeritabaniHatasi(("prepare: " + sql).toStdString());
    }
    void operator()(const QVariantList& v)
    {
        for (int i = 0; i < v.size(); ++i) q_.bindValue(i, bosDegil(v[i]));
        if (!q_.exec()) throw VeritabaniHatasi((q_.lastError().text() + QStringLiteral(" in ") + q_.lastQuery()).toStdString());
    }

private:
    QSqlQuery q_;
};

QByteArray kodla(const QImage& im, const char* tur, int kalite = 85)
{
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    im.save(&buf, tur, kalite);
    return b;
}

QFont yazi(int px, bool kalin = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(kalin);
    return f;
}

// A product picture: the part drawn as a simple shape, with its name.
QByteArray parcaResmi(const QString& ad, const QString& grup, int tohum)
{
    QImage im(480, 360, QImage::Format_RGB32);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 360);
    g.setColorAt(0, QColor(250, 251, 253));
    g.setColorAt(1, QColor(214, 224, 238));
    p.fillRect(im.rect(), g);
    const QColor renk = QColor::fromHsv((tohum * 47) % 360, 120, 160);
    p.setPen(QPen(renk.darker(150), 4));
    p.setBrush(renk);
    const QRectF r(140, 60, 200, 200);
    if (grup == QLatin1String("FREN")) {
        p.drawEllipse(r);
        p.setBrush(QColor(250, 251, 253));
        p.drawEllipse(r.adjusted(70, 70, -70, -70));
    } else if (grup == QLatin1String("SÜSPANSİYON")) {
        p.drawRoundedRect(QRectF(215, 40, 50, 240), 12, 12);
        p.setBrush(renk.lighter(130));
        for (int i = 0; i < 6; ++i) p.drawEllipse(QRectF(190, 70 + i * 32, 100, 24));
    } else if (grup == QLatin1String("FİLTRE")) {
        p.drawRoundedRect(QRectF(170, 60, 140, 200), 20, 20);
        p.setPen(QPen(renk.darker(170), 3));
        for (int i = 0; i < 9; ++i) p.drawLine(QPointF(185 + i * 14, 75), QPointF(185 + i * 14, 245));
    } else {
        QPainterPath yol;
        yol.addRoundedRect(r, 30, 30);
        p.drawPath(yol);
        p.setBrush(renk.darker(120));
        p.drawEllipse(r.center(), 40, 40);
    }
    p.setPen(QColor(40, 52, 70));
    p.setFont(yazi(22));
    p.drawText(QRect(10, 285, 460, 40), Qt::AlignCenter, ad);
    p.setFont(yazi(14, false));
    p.drawText(QRect(10, 322, 460, 26), Qt::AlignCenter, QStringLiteral("Velmor Otomotiv - ") + grup);
    p.end();
    return kodla(im, "JPEG", 82);
}

QImage afis(int w, int h, const QString& baslik, const QString& alt, int ton)
{
    QImage im(w, h, QImage::Format_RGB32);
    QPainter p(&im);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor::fromHsv(ton, 200, 200));
    g.setColorAt(1, QColor::fromHsv((ton + 40) % 360, 220, 90));
    p.fillRect(im.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(w * (0.15 + i * 0.2), h * 0.8), h * 0.3, h * 0.3);
    p.setPen(Qt::white);
    p.setFont(yazi(h / 8));
    p.drawText(QRect(20, h / 6, w - 40, h / 3), Qt::AlignCenter | Qt::TextWordWrap, baslik);
    p.setFont(yazi(h / 16, false));
    p.drawText(QRect(20, h / 2, w - 40, h / 3), Qt::AlignCenter | Qt::TextWordWrap, alt);
    p.end();
    return im;
}

QByteArray banner()
{
    // The dealer's name slides in, then the slogan blinks.
    QVector<QImage> kareler;
    const QString ad = QStringLiteral("VELMOR OTOMOTİV");
    for (int i = 0; i < 16; ++i) {
        QImage im(405, 70, QImage::Format_RGB32);
        QPainter p(&im);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 405, 0);
        g.setColorAt(0, QColor(16, 58, 120));
        g.setColorAt(1, QColor(40, 110, 190));
        p.fillRect(im.rect(), g);
        p.setPen(QColor(255, 204, 0));
        p.setFont(yazi(26));
        const int x = i < 8 ? -300 + i * 40 : 20;
        p.drawText(QRect(x, 4, 380, 36), Qt::AlignLeft | Qt::AlignVCenter, ad);
        if (i >= 8 && (i % 2 == 0)) {
            p.setPen(Qt::white);
            p.setFont(yazi(14, false));
            p.drawText(QRect(20, 40, 380, 26), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("Orijinal ve muadil yedek parçada güvenilir adres"));
        }
        p.end();
        kareler << im;
    }
    return gifYaz(kareler, 12);
}

QString ean13(QRandomGenerator& r)
{
    QString s = QStringLiteral("869");
    for (int i = 0; i < 9; ++i) s += QChar(u'0' + r.bounded(10));
    int t = 0;
    for (int i = 0; i < 12; ++i) t += (s[i].unicode() - u'0') * (i % 2 ? 3 : 1);
    s += QChar(u'0' + (10 - t % 10) % 10);
    return s;
}

QString rakamlar(QRandomGenerator& r, int n)
{
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'0' + r.bounded(10));
    return s;
}

QString harfler(QRandomGenerator& r, int n)
{
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'A' + r.bounded(26));
    return s;
}

struct Parca {
    const char* grup;
    const char* ad;
    double fiyatMin, fiyatMax;
};

const Parca kParcalar[] = {
    {"FREN", "FREN BALATASI ÖN", 350, 1800}, {"FREN", "FREN BALATASI ARKA", 300, 1500},
    {"FREN", "FREN DİSKİ ÖN", 700, 3500}, {"FREN", "FREN DİSKİ ARKA", 600, 3000},
    {"FREN", "FREN KAMPANASI ARKA", 500, 2200}, {"FREN", "FREN MERKEZİ", 900, 4200},
    {"FREN", "FREN HORTUMU ÖN", 120, 450}, {"FREN", "FREN ALTI SENSÖRÜ", 90, 380},
    {"SÜSPANSİYON", "AMORTİSÖR ÖN", 900, 4800}, {"SÜSPANSİYON", "AMORTİSÖR ARKA", 700, 3800},
    {"SÜSPANSİYON", "ROTİL", 150, 700}, {"SÜSPANSİYON", "ROT BAŞI", 140, 650},
    {"SÜSPANSİYON", "SALINCAK ÖN SAĞ", 600, 2900}, {"SÜSPANSİYON", "SALINCAK ÖN SOL", 600, 2900},
    {"SÜSPANSİYON", "Z ROT", 120, 520}, {"SÜSPANSİYON", "HELEZON YAY ARKA", 400, 1600},
    {"SÜSPANSİYON", "AMORTİSÖR TAKOZU", 150, 600},
    {"MOTOR", "TRİGER SETİ", 1200, 6500}, {"MOTOR", "SU POMPASI", 600, 2800}, {"MOTOR", "YAĞ POMPASI", 800, 3600},
    {"MOTOR", "SEGMAN TAKIMI", 700, 2600}, {"MOTOR", "SİLİNDİR KAPAK CONTASI", 350, 1400},
    {"MOTOR", "MOTOR TAKOZU", 300, 1500}, {"MOTOR", "KARTER CONTASI", 90, 350},
    {"FİLTRE", "YAĞ FİLTRESİ", 90, 420}, {"FİLTRE", "HAVA FİLTRESİ", 120, 520},
    {"FİLTRE", "POLEN FİLTRESİ", 100, 450}, {"FİLTRE", "YAKIT FİLTRESİ", 150, 800},
    {"ELEKTRİK", "MARŞ MOTORU", 2500, 9000}, {"ELEKTRİK", "ŞARJ DİNAMOSU", 2800, 11000},
    {"ELEKTRİK", "BUJİ TAKIMI", 250, 1200}, {"ELEKTRİK", "ATEŞLEME BOBİNİ", 600, 2500},
    {"ELEKTRİK", "FAR AMPULÜ H7", 60, 300}, {"ELEKTRİK", "STOP LAMBASI SAĞ", 500, 2400},
    {"SOĞUTMA", "RADYATÖR", 1500, 6500}, {"SOĞUTMA", "TERMOSTAT", 250, 1100}, {"SOĞUTMA", "FAN MOTORU", 1200, 4800},
    {"SOĞUTMA", "ANTİFRİZ HORTUMU", 150, 650}, {"SOĞUTMA", "KLİMA KOMPRESÖRÜ", 6000, 19000},
    {"DEBRİYAJ", "DEBRİYAJ SETİ", 2500, 9500}, {"DEBRİYAJ", "DEBRİYAJ RULMANI", 400, 1800},
    {"DEBRİYAJ", "VOLANT", 4000, 15000}, {"DEBRİYAJ", "DEBRİYAJ MERKEZİ", 600, 2200},
    {"KAPORTA", "ÖN TAMPON", 1200, 5200}, {"KAPORTA", "ÇAMURLUK SOL", 700, 2600}, {"KAPORTA", "KAPUT", 2000, 7000},
    {"KAPORTA", "AYNA SAĞ ELEKTRİKLİ", 900, 3800}, {"KAPORTA", "PANJUR", 400, 1500},
    {"EGZOZ", "EGZOZ SUSTURUCU ARKA", 900, 3600}, {"EGZOZ", "KATALİTİK KONVERTÖR", 4500, 16000},
    {"EGZOZ", "EGZOZ CONTASI", 40, 180},
    {"ŞANZIMAN", "AKS KÖRÜĞÜ", 120, 480}, {"ŞANZIMAN", "AKS MAFSALI", 900, 3400},
    {"ŞANZIMAN", "ŞANZIMAN TAKOZU", 350, 1300}, {"ŞANZIMAN", "VİTES HALATI", 500, 1900},
    {"DİREKSİYON", "DİREKSİYON KUTUSU", 5000, 18000}, {"DİREKSİYON", "HİDROLİK POMPASI", 2500, 8500},
    {"YAĞLAR", "MOTOR YAĞI 10W40 4 LT", 700, 1600}, {"YAĞLAR", "MOTOR YAĞI 5W30 4 LT", 900, 2200},
    {"YAĞLAR", "ŞANZIMAN YAĞI 75W90 1 LT", 250, 650},
};

struct Arac {
    const char* marka;
    QVector<const char*> modeller;
};

const Arac kAraclar[] = {
    {"RENAULT", {"CLIO III", "CLIO IV", "MEGANE II", "MEGANE III", "FLUENCE", "SYMBOL", "KANGOO"}},
    {"FIAT", {"DOBLO", "LINEA", "EGEA", "FIORINO", "PALIO", "PUNTO"}},
    {"FORD", {"FOCUS II", "FOCUS III", "FIESTA", "TRANSIT", "TRANSIT CONNECT", "MONDEO"}},
    {"VOLKSWAGEN", {"PASSAT B6", "PASSAT B7", "GOLF V", "GOLF VI", "POLO", "CADDY", "TRANSPORTER T5"}},
    {"OPEL", {"ASTRA H", "ASTRA J", "CORSA D", "VECTRA C", "INSIGNIA"}},
    {"TOYOTA", {"COROLLA", "AURIS", "YARIS", "HILUX"}},
    {"HYUNDAI", {"ACCENT ERA", "I20", "ELANTRA", "TUCSON"}},
    {"PEUGEOT", {"206", "207", "301", "3008", "PARTNER"}},
    {"CITROEN", {"C3", "C4", "BERLINGO", "C-ELYSEE"}},
    {"DACIA", {"LOGAN", "SANDERO", "DUSTER"}},
    {"HONDA", {"CIVIC", "CITY", "JAZZ"}},
    {"MERCEDES", {"SPRINTER", "VITO", "C180"}},
    {"SKODA", {"OCTAVIA", "FABIA", "SUPERB"}},
    {"NISSAN", {"QASHQAI", "MICRA"}},
};

const char* kUreticiler[] = {"BOSCH", "VALEO", "SACHS", "TRW", "FEBI", "MANN", "LUK", "SKF", "GATES",
                             "MAHLE", "DELPHI", "NGK", "MONROE", "BREMBO", "CORTECO", "MEYLE", "ORJİNAL"};
const char* kMotorlar[] = {"1.2 16V", "1.4 TDCI", "1.5 DCI", "1.6 16V", "1.9 TDI", "2.0 TDI", "1.3 MULTIJET", "1.6 HDI"};

const char* kIller[][2] = {{"İSTANBUL", "İKİTELLİ"}, {"İSTANBUL", "BAYRAMPAŞA"}, {"ANKARA", "OSTİM"}, {"ANKARA", "SİTELER"},
                           {"İZMİR", "BORNOVA"}, {"BURSA", "NİLÜFER"}, {"KONYA", "KARATAY"}, {"ADANA", "SEYHAN"},
                           {"ANTALYA", "KEPEZ"}, {"KAYSERİ", "MELİKGAZİ"}, {"GAZİANTEP", "ŞEHİTKAMİL"},
                           {"SAMSUN", "İLKADIM"}, {"ESKİŞEHİR", "ODUNPAZARI"}, {"DİYARBAKIR", "BAĞLAR"},
                           {"TRABZON", "ORTAHİSAR"}, {"DENİZLİ", "MERKEZEFENDİ"}};
const char* kFirmaAdlari[] = {"ÖZ", "YILDIZ", "DOĞAN", "KARDEŞLER", "ŞAHİN", "ÇELİK", "AKSOY", "GÜNEŞ", "ERDEM",
                              "KARTAL", "ASLAN", "TEKİN", "POLAT", "ÖZTÜRK", "AYDIN", "KAYA", "DEMİR", "ARSLAN",
                              "KOÇ", "YÜCEL", "ŞEN", "ATEŞ", "KURT", "ÖZDEMİR", "BULUT"};
const char* kFirmaTurleri[] = {"OTOMOTİV", "OTO YEDEK PARÇA", "OTO SANAYİ", "MOTORLU ARAÇLAR", "OTO SERVİS"};
const char* kAdlar[] = {"Ahmet", "Mehmet", "Mustafa", "Ali", "Hüseyin", "Hasan", "İbrahim", "Ömer", "Murat", "Serkan",
                        "Ayşe", "Fatma", "Zeynep", "Elif", "Emine", "Gökhan", "Burak", "Volkan", "Selim", "Kemal"};
const char* kSoyadlar[] = {"Yılmaz", "Kaya", "Demir", "Şahin", "Çelik", "Yıldız", "Yıldırım", "Öztürk", "Aydın",
                           "Özdemir", "Arslan", "Doğan", "Kılıç", "Aslan", "Çetin", "Kara", "Koç", "Kurt", "Özkan", "Şimşek"};

template <class T, size_t N>
const T& sec(QRandomGenerator& r, const T (&a)[N])
{
    return a[r.bounded(int(N))];
}

double aralik(QRandomGenerator& r, double a, double b) { return a + (b - a) * r.generateDouble(); }

void dizileriAyarla(Veritabani& db)
{
    if (!db.postgres()) return;
    for (const char* t : {"satici", "cari", "hesap", "resim", "stok", "sepet", "teslim_cinsi", "kargo_cinsi", "kargo_firma",
                          "siparis", "siparis_satir", "cari_hareket", "fatura_satir", "tahsilat_satir", "duyuru", "kur",
                          "belge", "orjinal_fiyat"})
        db.sorgu(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', 'id'), COALESCE((SELECT MAX(id) FROM %1), 0) + 1, false)")
                     .arg(QLatin1String(t)));
}

int tohumla(const VeritabaniAyari& vt, const QStringList& args)
{
    const int stokSayisi = qMax(50, arg(args, "--stocks", QStringLiteral("50000")).toInt());
    const int cariSayisi = qMax(5, arg(args, "--customers", QStringLiteral("300")).toInt());
    const int yil = qBound(0, arg(args, "--years", QStringLiteral("2")).toInt(), 10);
    QElapsedTimer t;
    t.start();
    Veritabani db(vt);
    if (db.tekDeger(QStringLiteral("SELECT COUNT(*) FROM stok")).toInt() > 0) {
        std::fprintf(stderr, "seed-demo: the database already holds stocks; nothing done\n");
        return 0;
    }
    QRandomGenerator r(20240611);
    const QDate bugunT = QDate::currentDate();
    const QDate bas = bugunT.addYears(-yil);
    auto tarih = [](const QDate& d) { return d.toString(QStringLiteral("yyyy-MM-dd")); };
    auto saat = [&r] { return QStringLiteral("%1:%2:%3").arg(8 + r.bounded(10), 2, 10, QLatin1Char('0'))
                                  .arg(r.bounded(60), 2, 10, QLatin1Char('0')).arg(r.bounded(60), 2, 10, QLatin1Char('0')); };

    // Pictures first: drawing them outside the transaction keeps it short.
    QVector<QByteArray> parcaResimleri;
    for (int i = 0; i < int(std::size(kParcalar)); ++i)
        parcaResimleri << parcaResmi(QString::fromUtf8(kParcalar[i].ad), QString::fromUtf8(kParcalar[i].grup), i);
    const double usd = 42.15, eur = 48.90;

    db.islem([&] {
        // Sales representatives.
        Ekleyici satici(db, QStringLiteral("INSERT INTO satici (id, kod, adi, telefon, mail) VALUES (?, ?, ?, ?, ?)"));
        const char* saticilar[][3] = {{"Kemal Aydın", "0532 411 20 10", "kemal.aydin@velmor.com.tr"},
                                      {"Serap Yıldız", "0533 622 31 45", "serap.yildiz@velmor.com.tr"},
                                      {"Murat Şahin", "0535 718 44 02", "murat.sahin@velmor.com.tr"},
                                      {"Gökhan Çelik", "0542 305 67 90", "gokhan.celik@velmor.com.tr"},
                                      {"Elif Doğan", "0544 912 08 33", "elif.dogan@velmor.com.tr"}};
        for (int i = 0; i < 5; ++i)
            satici({i + 1, QStringLiteral("S%1").arg(i + 1, 2, 10, QLatin1Char('0')), QString::fromUtf8(saticilar[i][0]),
                    QString::fromUtf8(saticilar[i][1]), QString::fromUtf8(saticilar[i][2])});

        // Customers: DEMO and a BDM branch first, then the rest.
        Ekleyici cari(db, QStringLiteral(
            "INSERT INTO cari (id, kod, adi, yetkili, adres1, adres2, ilce, il, tel1, tel2, gsm, fax1, email, vergidairesi, "
            "vergino, ozelkod, anagrup, altgrup, kod1, indirim, vade, vadekontrolgun, satici_id, arama) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 1; i <= cariSayisi; ++i) {
            const auto& il = sec(r, kIller);
            QString kod, adi;
            if (i == 1) { kod = QStringLiteral("DEMO"); adi = QStringLiteral("DEMO OTOMOTİV LTD. ŞTİ."); }
            else if (i == 2) { kod = QStringLiteral("BDM001"); adi = QStringLiteral("VELMOR BÖLGE DEPO MÜDÜRLÜĞÜ"); }
            else {
                kod = QStringLiteral("120.%1").arg(i, 4, 10, QLatin1Char('0'));
                adi = QStringLiteral("%1 %2 %3").arg(QString::fromUtf8(sec(r, kFirmaAdlari)), QString::fromUtf8(sec(r, kFirmaTurleri)),
                                                     r.bounded(3) ? QStringLiteral("LTD. ŞTİ.") : QStringLiteral("TİC."));
            }
            const QString yetkili = QString::fromUtf8(sec(r, kAdlar)) + QLatin1Char(' ') + QString::fromUtf8(sec(r, kSoyadlar));
            const QString tel = QStringLiteral("0%1 %2 %3 %4").arg(212 + r.bounded(300)).arg(rakamlar(r, 3), rakamlar(r, 2), rakamlar(r, 2));
            const QString ilS = QString::fromUtf8(il[0]), ilce = QString::fromUtf8(il[1]);
            cari({i, kod, adi, yetkili,
                  QStringLiteral("%1 Sanayi Sitesi %2. Blok No:%3").arg(ilce).arg(1 + r.bounded(20)).arg(1 + r.bounded(90)),
                  r.bounded(2) ? QStringLiteral("%1 Oto Sanayi").arg(ilce) : QString(), ilce, ilS, tel,
                  r.bounded(2) ? QString() : tel.left(tel.size() - 2) + rakamlar(r, 2),
                  QStringLiteral("05%1 %2 %3 %4").arg(30 + r.bounded(25)).arg(rakamlar(r, 3), rakamlar(r, 2), rakamlar(r, 2)),
                  tel.left(tel.size() - 2) + QStringLiteral("99"),
                  QStringLiteral("info@%1.com.tr").arg(kodSade(adi.section(QLatin1Char(' '), 0, 0)).toLower() + QString::number(i)),
                  ilS, rakamlar(r, 10), r.bounded(4) ? QStringLiteral("BAYİ") : QStringLiteral("SERVİS"),
                  QStringLiteral("YEDEK PARÇA"), ilS, QString(), double(5 * r.bounded(7)), 30 * (1 + r.bounded(3)), 15,
                  1 + (i - 1) % 5, aramaMetni({kod}, {adi, yetkili, ilS, ilce})});
        }

        // Delivery kinds, cargo kinds and carriers.
        Ekleyici teslim(db, QStringLiteral("INSERT INTO teslim_cinsi (id, adi, sira) VALUES (?, ?, ?)"));
        teslim({1, QStringLiteral("Depodan Teslim"), 1});
        teslim({2, QStringLiteral("Kargo ile Gönderim"), 2});
        teslim({3, QStringLiteral("Servis Aracı ile"), 3});
        Ekleyici kc(db, QStringLiteral("INSERT INTO kargo_cinsi (id, adi, sira) VALUES (?, ?, ?)"));
        kc({1, QStringLiteral("Alıcı Ödemeli"), 1});
        kc({2, QStringLiteral("Gönderici Ödemeli"), 2});
        kc({3, QStringLiteral("Anlaşmalı Ambar"), 3});
        Ekleyici kf(db, QStringLiteral("INSERT INTO kargo_firma (id, kargo_cinsi_id, adi, uyari, sira) VALUES (?, ?, ?, ?, ?)"));
        int kfNo = 0;
        const char* firmalar[][2] = {{"Yurtiçi Kargo", "Saat 16:00'ya kadar verilen siparişler aynı gün kargoya verilir."},
                                     {"Aras Kargo", "Adrese teslim; hafta sonu dağıtım yapılmaz."},
                                     {"MNG Kargo", "Desi hesabı büyük parçalarda fiyatı artırabilir."},
                                     {"Sürat Kargo", "Teslimat 1-3 iş günüdür."},
                                     {"PTT Kargo", "Köy ve beldelere teslim yapılır; şubeden teslim alınabilir."}};
        for (int k = 1; k <= 2; ++k)
            for (int f = 0; f < 5; ++f)
                kf({++kfNo, k, QString::fromUtf8(firmalar[f][0]), QString::fromUtf8(firmalar[f][1]), f + 1});
        kf({++kfNo, 3, QStringLiteral("Öz Anadolu Nakliyat"), QStringLiteral("Ambar teslimidir; malı ambardan alınız."), 1});
        kf({++kfNo, 3, QStringLiteral("Karadeniz Ambarı"), QStringLiteral("Haftada iki sefer: Salı ve Cuma."), 2});

        // Pictures.
        Ekleyici resim(db, QStringLiteral("INSERT INTO resim (id, adi, veri) VALUES (?, ?, ?)"));
        for (int i = 0; i < parcaResimleri.size(); ++i) resim({i + 1, QString::fromUtf8(kParcalar[i].ad), parcaResimleri[i]});

        // Stocks.
        Ekleyici stok(db, QStringLiteral(
            "INSERT INTO stok (id, kod, barkod, barkodno, adi, digeradi, oem1, oem2, oem3, oem4, oemno, ureticikodu, dpkod, pkod, "
            "ozelkod, marka, model, anagrup, altgrup, departman, birim, kdv, listefiyati, doviz, maliyet, musteri_iskonto, yeni, "
            "kampanya, kampanyafiyati, eskifiyat, durum, kalan, alinansiparis, verilensiparis, resim_id, eklenme, arama) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        std::unique_ptr<Ekleyici> fts;
        if (!db.postgres()) fts = std::make_unique<Ekleyici>(db, QStringLiteral("INSERT INTO stok_fts (rowid, arama) VALUES (?, ?)"));
        const int yeniSayisi = qMax(10, stokSayisi / 200), kampSayisi = qMax(10, stokSayisi / 250);
        for (int i = 1; i <= stokSayisi; ++i) {
            const int pi = r.bounded(int(std::size(kParcalar)));
            const Parca& p = kParcalar[pi];
            const Arac& a = sec(r, kAraclar);
            const QString model = QString::fromUtf8(a.modeller[r.bounded(int(a.modeller.size()))]);
            const QString motor = QString::fromUtf8(sec(r, kMotorlar));
            const QString uretici = QString::fromUtf8(sec(r, kUreticiler));
            const QString ad = QStringLiteral("%1 %2 %3").arg(QString::fromUtf8(p.ad), model, motor);
            const QString kod = QStringLiteral("%1-%2").arg(kodSade(uretici).left(3), rakamlar(r, 3) + QLatin1Char('.') + rakamlar(r, 3) + QLatin1Char('.') + rakamlar(r, 3));
            const QString oem1 = r.bounded(2) ? rakamlar(r, 10) : QStringLiteral("%1%2%3").arg(rakamlar(r, 1), harfler(r, 1), rakamlar(r, 7));
            const QString oem2 = r.bounded(3) ? QString() : rakamlar(r, 3) + QLatin1Char(' ') + rakamlar(r, 3) + QLatin1Char(' ') + rakamlar(r, 3);
            const QString oem3 = r.bounded(5) ? QString() : harfler(r, 2) + rakamlar(r, 6);
            const QString oem4 = r.bounded(8) ? QString() : rakamlar(r, 8);
            const QString barkod = ean13(r);
            const QString uKod = rakamlar(r, 4) + QLatin1Char(' ') + rakamlar(r, 3) + QLatin1Char(' ') + rakamlar(r, 3);
            const double liste = std::round(aralik(r, p.fiyatMin, p.fiyatMax) * 100) / 100;
            const int dov = r.bounded(10);
            const QString doviz = dov < 7 ? QStringLiteral("TL") : dov < 9 ? QStringLiteral("$") : QStringLiteral("€");
            const double oran = dov < 7 ? 1.0 : dov < 9 ? usd : eur;
            const double maliyet = std::round(liste * aralik(r, 0.55, 0.75) / oran * 100) / 100;
            const int d = r.bounded(100);
            const int durum = d < 60 ? 1 : d < 70 ? 0 : d < 78 ? 2 : d < 88 ? 3 : d < 93 ? 4 : 5;
            const bool yeni = i > stokSayisi - yeniSayisi;
            const bool kamp = !yeni && i % (stokSayisi / kampSayisi) == 0;
            const QDate eklenme = yeni ? bugunT.addDays(-r.bounded(30)) : bas.addDays(-r.bounded(2000));
            const QString digeradi = QStringLiteral("%1 %2").arg(QString::fromUtf8(p.ad), QString::fromUtf8(a.marka));
            stok({i, kod, barkod, i, ad, digeradi, oem1, oem2, oem3, oem4, oem1, uKod, QStringLiteral("DP%1").arg(pi + 1),
                  QStringLiteral("P%1").arg(r.bounded(9) + 1), uretici, QString::fromUtf8(a.marka), model,
                  QString::fromUtf8(p.grup), QString::fromUtf8(p.ad).section(QLatin1Char(' '), 0, 0),
                  QString::fromUtf8(p.grup), QStringLiteral("ADET"), 18.0, liste, doviz, maliyet, r.bounded(10) ? 1 : 0,
                  yeni ? 1 : 0, kamp ? 1 : 0, kamp ? std::round(liste * 0.85 * 100) / 100 : 0.0, kamp ? liste : 0.0,
                  durum, durum == 1 ? double(1 + r.bounded(200)) : 0.0, 0.0, durum == 3 ? double(5 + r.bounded(50)) : 0.0,
                  r.bounded(5) ? QVariant(pi + 1) : QVariant(), tarih(eklenme),
                  aramaMetni({kod, barkod, oem1, oem2, oem3, oem4, uKod},
                             {ad, digeradi, QString::fromUtf8(a.marka), uretici})});
            if (fts) fts->operator()({i, aramaMetni({kod, barkod, oem1, oem2, oem3, oem4, uKod},
                                                    {ad, digeradi, QString::fromUtf8(a.marka), uretici})});
        }

        // Two years of orders, with invoices and collections behind them.
        Ekleyici siparis(db, QStringLiteral(
            "INSERT INTO siparis (id, cari_id, tarih, saat, durum, teslim_id, kargo_cinsi_id, kargo_firma_id, veren_id, veren, "
            "musteri_notu, bayi_notu, satici_notu) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        Ekleyici satir(db, QStringLiteral(
            "INSERT INTO siparis_satir (id, siparis_id, sepet_id, stok_id, barkod, stokadi, miktar, teslim_edilen, birimfiyat, "
            "ilkfiyat, indirim1, kdv, veren, tarih, saat) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        Ekleyici hareket(db, QStringLiteral(
            "INSERT INTO cari_hareket (id, cari_id, tarih, saat, turadi, evrakno, borc, alacak, vade, aciklama, satici_id, siparis_id) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        Ekleyici fsatir(db, QStringLiteral(
            "INSERT INTO fatura_satir (id, hareket_id, stok_id, miktar, birimfiyat, indirim1, kdv, irsaliyeno, siparis_id) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        Ekleyici tsatir(db, QStringLiteral(
            "INSERT INTO tahsilat_satir (id, hareket_id, tarih, tur, cins, evrakno, vade, tutar, aciklama, ref, saat) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery sq(db.db());
        sq.setForwardOnly(true);
        sq.exec(QStringLiteral("SELECT id, barkod, adi, listefiyati, kdv FROM stok"));
        struct S { qint64 id; QString barkod, adi; double fiyat, kdv; };
        QVector<S> stoklar;
        while (sq.next()) stoklar.push_back({sq.value(0).toLongLong(), sq.value(1).toString(), sq.value(2).toString(),
                                             sq.value(3).toDouble(), sq.value(4).toDouble()});
        sq.finish();
        QSqlQuery cq(db.db());
        cq.setForwardOnly(true);
        cq.exec(QStringLiteral("SELECT id, indirim, vade, satici_id, yetkili FROM cari ORDER BY id"));
        struct C { qint64 id; double ind; int vade; qint64 satici; QString yetkili; };
        QVector<C> cariler;
        while (cq.next()) cariler.push_back({cq.value(0).toLongLong(), cq.value(1).toDouble(), cq.value(2).toInt(),
                                             cq.value(3).toLongLong(), cq.value(4).toString()});
        cq.finish();
        qint64 sipNo = 0, satNo = 0, harNo = 0, fsNo = 0, tsNo = 0;
        QHash<qint64, double> alinan;
        const char* notlar[] = {"", "", "Acil lazım, lütfen bugün gönderin.", "Faturayı şirket adına kesiniz.",
                                "Parçaları ayrı paketleyin.", "Kargo ücreti tarafımıza aittir."};
        const char* bayiNotlari[] = {"", "Eksik parçalar tedarik edilince gönderilecek.", "Siparişiniz hazırlanıyor.",
                                     "Kargoya verildi.", ""};
        for (const C& c : cariler) {
            const int n = yil == 0 ? 2 : (c.id == 1 ? 40 : 6 + r.bounded(28)) * yil / 2;
            QVector<QDate> tarihler;
            for (int k = 0; k < n; ++k) tarihler << bas.addDays(r.bounded(int(bas.daysTo(bugunT)) + 1));
            std::sort(tarihler.begin(), tarihler.end());
            double borcToplam = 0;
            for (const QDate& d : tarihler) {
                const int gun = int(d.daysTo(bugunT));
                int durum = 5;
                if (gun < 3) durum = r.bounded(2);
                else if (gun < 10) durum = 2 + r.bounded(3);
                else if (gun < 30 && r.bounded(4) == 0) durum = 3;
                const bool kargolu = r.bounded(3) != 0;
                const int kcins = kargolu ? 1 + r.bounded(2) : 3;
                const int firma = kcins == 3 ? 11 + r.bounded(2) : (kcins - 1) * 5 + 1 + r.bounded(5);
                ++sipNo;
                const QString s = saat();
                siparis({sipNo, c.id, tarih(d), s, durum, kargolu ? 2 : 1 + 2 * r.bounded(2), kcins, firma, 0, c.yetkili,
                         QString::fromUtf8(sec(r, notlar)), QString::fromUtf8(sec(r, bayiNotlari)),
                         r.bounded(4) ? QString() : QStringLiteral("Müşteri vadeyi aşmış; tahsilatı takip ediniz.")});
                const int satirSayisi = 1 + r.bounded(7);
                QVector<std::array<double, 4>> fat;   // stok index, miktar, fiyat, indirim
                for (int k = 0; k < satirSayisi; ++k) {
                    const int si = r.bounded(int(stoklar.size()));
                    const S& st = stoklar[si];
                    const double m = 1 + r.bounded(r.bounded(5) ? 4 : 20);
                    double teslimEdilen = durum == 5 ? m : durum == 3 ? std::floor(m / 2) : durum == 4 ? m : 0;
                    if (durum == 5 && gun < 60 && r.bounded(12) == 0) teslimEdilen = std::floor(m / 2);   // a late part
                    ++satNo;
                    satir({satNo, sipNo, 0, st.id, st.barkod, st.adi, m, teslimEdilen, st.fiyat, st.fiyat, c.ind, st.kdv,
                           c.yetkili, tarih(d), s});
                    if (m > teslimEdilen) alinan[st.id] += m - teslimEdilen;
                    if (teslimEdilen > 0) fat.push_back({double(si), teslimEdilen, st.fiyat, c.ind});
                }
                if (!fat.isEmpty()) {
                    const QDate fd = qMin(bugunT, d.addDays(durum == 5 ? 1 + r.bounded(3) : 0));
                    ++harNo;
                    const qint64 h = harNo;
                    hareket({h, c.id, tarih(fd), saat(), QStringLiteral("Satış Faturası"), QStringLiteral("VLM2%1").arg(h, 7, 10, QLatin1Char('0')),
                             0.0, 0.0, c.vade, QStringLiteral("Sipariş %1").arg(sipNo), c.satici, sipNo});
                    for (const auto& f : fat) {
                        const S& st = stoklar[int(f[0])];
                        fsatir({++fsNo, h, st.id, f[1], f[2], f[3], st.kdv, QStringLiteral("IRS%1").arg(h), sipNo});
                    }
                    const FaturaToplam tt = faturaToplami(db, h);
                    db.calistir(QStringLiteral("UPDATE cari_hareket SET borc = ? WHERE id = ?"), {tt.genel, h});
                    borcToplam += tt.genel;
                    // Now and then a return.
                    if (r.bounded(25) == 0) {
                        ++harNo;
                        const auto& f = fat[0];
                        const S& st = stoklar[int(f[0])];
                        hareket({harNo, c.id, tarih(qMin(bugunT, fd.addDays(7))), saat(), QStringLiteral("Satış İade Faturası"),
                                 QStringLiteral("IAD%1").arg(harNo, 7, 10, QLatin1Char('0')), 0.0, 0.0, 0, QStringLiteral("Hatalı parça iadesi"),
                                 c.satici, QVariant()});
                        fsatir({++fsNo, harNo, st.id, 1.0, f[2], f[3], st.kdv, QString(), QVariant()});
                        const FaturaToplam it = faturaToplami(db, harNo);
                        db.calistir(QStringLiteral("UPDATE cari_hareket SET alacak = ? WHERE id = ?"), {it.genel, harNo});
                        borcToplam -= it.genel;
                    }
                }
                // Collections follow the invoices, mostly not in full, so balances stay open.
                if (borcToplam > 0 && r.bounded(3) == 0) {
                    const double odeme = std::round(borcToplam * aralik(r, 0.5, 1.0) * 100) / 100;
                    borcToplam -= odeme;
                    const QDate td = qMin(bugunT, d.addDays(5 + r.bounded(20)));
                    const bool tediye = r.bounded(40) == 0;
                    ++harNo;
                    const char* cinsler[] = {"Nakit", "Çek", "Kredi Kartı", "Havale/EFT"};
                    const QString cins = QString::fromUtf8(sec(r, cinsler));
                    hareket({harNo, c.id, tarih(td), saat(), tediye ? QStringLiteral("Tediye") : QStringLiteral("Tahsilat"),
                             QStringLiteral("THS%1").arg(harNo, 7, 10, QLatin1Char('0')), tediye ? odeme : 0.0,
                             tediye ? 0.0 : odeme, 0, cins + QStringLiteral(" ile ") + (tediye ? QStringLiteral("ödeme") : QStringLiteral("tahsilat")),
                             c.satici, QVariant()});
                    if (tediye) borcToplam += 2 * odeme;
                    const int parca = cins == QLatin1String("Çek") ? 2 : 1;
                    for (int k = 0; k < parca; ++k)
                        tsatir({++tsNo, harNo, tarih(td), tediye ? QStringLiteral("Tediye") : QStringLiteral("Tahsilat"), cins,
                                QStringLiteral("E%1-%2").arg(harNo).arg(k + 1),
                                tarih(td.addDays(cins == QLatin1String("Çek") ? 30 * (k + 1) : 0)),
                                std::round(odeme / parca * 100) / 100, QStringLiteral("%1 %2").arg(cins, tarih(td)),
                                QStringLiteral("R%1").arg(tsNo), saat()});
                }
            }
        }
        for (auto it = alinan.cbegin(); it != alinan.cend(); ++it)
            db.calistir(QStringLiteral("UPDATE stok SET alinansiparis = ? WHERE id = ?"), {it.value(), it.key()});

        // Original manufacturer prices.
        Ekleyici orj(db, QStringLiteral("INSERT INTO orjinal_fiyat (id, kod, aciklama, marka, kdvharic, kdv, arama) VALUES (?, ?, ?, ?, ?, ?, ?)"));
        std::unique_ptr<Ekleyici> ofts;
        if (!db.postgres()) ofts = std::make_unique<Ekleyici>(db, QStringLiteral("INSERT INTO orjinal_fts (rowid, arama) VALUES (?, ?)"));
        const int orjSayisi = qMax(50, stokSayisi / 3);
        for (int i = 1; i <= orjSayisi; ++i) {
            const Parca& p = sec(r, kParcalar);
            const Arac& a = sec(r, kAraclar);
            const QString kod = r.bounded(2) ? rakamlar(r, 10) : rakamlar(r, 1) + harfler(r, 2) + rakamlar(r, 6) + harfler(r, 1);
            const QString ac = QStringLiteral("%1 %2 %3").arg(QString::fromUtf8(p.ad), QString::fromUtf8(a.marka),
                                                              QString::fromUtf8(a.modeller[r.bounded(int(a.modeller.size()))]));
            const double h = std::round(aralik(r, p.fiyatMin, p.fiyatMax) * 1.6 * 100) / 100;
            const QString ar = aramaMetni({kod}, {ac});
            orj({i, kod, ac, QString::fromUtf8(a.marka), h, 20.0, ar});
            if (ofts) ofts->operator()({i, ar});
        }

        // Announcements and opening adverts.
        Ekleyici duyuru(db, QStringLiteral("INSERT INTO duyuru (id, tur, sira, baslik, arama, resim) VALUES (?, ?, ?, ?, ?, ?)"));
        const char* duyurular[][3] = {{"Kampanyalı Ürünler", "Seçili ürünlerde %15'e varan indirim", "#KAMPANYA#"},
                                      {"Yeni Gelen Ürünler", "Bu ay stoklarımıza giren parçalar", "#YENİ#"},
                                      {"Fren Balatalarında Kış Fırsatı", "Tüm markalarda ön ve arka balata", "FREN BALATASI"},
                                      {"Amortisör Haftası", "Ön ve arka amortisörlerde özel fiyatlar", "AMORTİSÖR"},
                                      {"Çalışma Saatlerimiz", "Hafta içi 08:30 - 18:30, Cumartesi 09:00 - 14:00", ""}};
        int dno = 0;
        for (int i = 0; i < 5; ++i)
            duyuru({++dno, 1, i + 1, QString::fromUtf8(duyurular[i][0]), QString::fromUtf8(duyurular[i][2]),
                    kodla(afis(600, 400, QString::fromUtf8(duyurular[i][0]), QString::fromUtf8(duyurular[i][1]), 200 + i * 30), "PNG")});
        const char* reklamlar[][3] = {{"Triger Setlerinde Büyük İndirim", "Orijinal kalite, uygun fiyat", "TRİGER SETİ"},
                                      {"Kampanya Başladı!", "Kampanyalı ürünleri hemen inceleyin", "#KAMPANYA#"},
                                      {"Yeni Ürünlerimiz", "Yeni gelen parçaları keşfedin", "#YENİ#"}};
        for (int i = 0; i < 3; ++i)
            duyuru({++dno, 2, i + 1, QString::fromUtf8(reklamlar[i][0]), QString::fromUtf8(reklamlar[i][2]),
                    kodla(afis(600, 400, QString::fromUtf8(reklamlar[i][0]), QString::fromUtf8(reklamlar[i][1]), 10 + i * 60), "JPEG")});

        // Ticker, banner, logo strip, exchange rates.
        Ekleyici ayar(db, QStringLiteral("INSERT INTO ayar (anahtar, deger, veri) VALUES (?, ?, ?)"));
        ayar({QStringLiteral("kayanyazi"),
              QStringLiteral("Değerli müşterilerimiz, <b>FREN</b> grubunda <font color=\"#C00000\">%15 indirim</font> başladı! "
                             "Kampanya ayrıntıları için <a href=\"http://www.velmor.com.tr/kampanya\">tıklayınız</a>. "
                             "Saat 16:00'ya kadar verilen siparişler <b>aynı gün</b> kargoda."),
              QVariant(QByteArray())});
        ayar({QStringLiteral("banner"), QString(), banner()});
        ayar({QStringLiteral("logolar"), QString(),
              kodla(afis(1200, 100, QStringLiteral("BOSCH · VALEO · SACHS · TRW · MANN · LUK · SKF · GATES"), QString(), 215), "PNG")});
        Ekleyici kur(db, QStringLiteral("INSERT INTO kur (id, tarih, usd, eur) VALUES (?, ?, ?, ?)"));
        for (int i = 6; i >= 0; --i)
            kur({7 - i, tarih(bugunT.addDays(-i)), std::round((usd - i * 0.04) * 100) / 100, std::round((eur - i * 0.05) * 100) / 100});

        // Documents of every kind the client knows.
        Ekleyici belge(db, QStringLiteral("INSERT INTO belge (id, sira, aciklama, dosyayol, dosyaadi, veri, tarih) VALUES (?, ?, ?, ?, ?, ?, ?)"));
        int bno = 0;
        for (const OrnekBelge& b : ornekBelgeler(db))
            belge({++bno, bno, b.aciklama, QStringLiteral("/belgeler/") + b.adi, b.adi, b.veri, tarih(bugunT)});
        dizileriAyarla(db);
    });

    const auto say = [&](const char* tablo) { return db.tekDeger(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(tablo))).toLongLong(); };
    std::printf("seed-demo: %lld stocks, %lld customers, %lld orders, %lld order lines, %lld account movements in %.1f s\n",
                say("stok"), say("cari"), say("siparis"), say("siparis_satir"), say("cari_hareket"), t.elapsed() / 1000.0);
    return 0;
}

KomutKaydi tohumKaydi("seed-demo", "[--stocks N] [--customers N] [--years N]   fill an empty database with the demo dealer",
                      tohumla);

int hesapKaydet(const VeritabaniAyari& vt, const QStringList& a)
{
    const QString pc = arg(a, "--computer"), user = arg(a, "--user"), pw = arg(a, "--password");
    const QString kod = arg(a, "--customer-code");
    bool ok = true;
    const int tip = arg(a, "--type", QStringLiteral("3")).toInt(&ok);
    const int aktif = arg(a, "--active", QStringLiteral("1")).toInt();
    const int versiyon = arg(a, "--version", QStringLiteral("5")).toInt();
    if (pc.trimmed().isEmpty() || user.isEmpty() || !ok) {
        std::fprintf(stderr, "register-account: --computer, --user and a numeric --type are needed\n");
        return 2;
    }
    Veritabani db(vt);
    qint64 hesapNo = 0;
    db.islem([&] {
        QVariant cari;
        if (!kod.isEmpty()) {
            cari = db.tekDeger(QStringLiteral("SELECT id FROM cari WHERE kod = ?"), {kod});
            if (!cari.isValid()) {
                const QVariant satici = db.tekDeger(QStringLiteral("SELECT MIN(id) FROM satici"));
                cari = db.ekle(QStringLiteral("INSERT INTO cari (kod, adi, satici_id, arama) VALUES (?, ?, ?, ?)"),
                               {kod, kod, satici.isNull() ? QVariant() : satici, aramaMetni({kod}, {kod})});
            }
        }
        // Sales staff of type 1 are bound to the representative of their customer.
        QVariant satici;
        if (tip == 1 && cari.isValid()) satici = db.tekDeger(QStringLiteral("SELECT satici_id FROM cari WHERE id = ?"), {cari});
        const QVariant var = db.tekDeger(QStringLiteral("SELECT id FROM hesap WHERE bilgisayarid = ?"), {pc});
        if (var.isValid()) {
            db.calistir(QStringLiteral("UPDATE hesap SET adi = ?, sifre = ?, musteritipi = ?, aktif = ?, versiyon = ?, cari_id = ?, "
                                       "satici_id = ? WHERE id = ?"),
                        {user, pw, tip, aktif, versiyon, cari, satici, var});
            hesapNo = var.toLongLong();
        } else {
            hesapNo = db.ekle(QStringLiteral("INSERT INTO hesap (bilgisayarid, adi, sifre, musteritipi, aktif, versiyon, cari_id, "
                                             "satici_id, olusturma) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                              {pc, user, pw, tip, aktif, versiyon, cari, satici, simdi()});
        }
    });
    std::printf("account %lld for computer %s\n", hesapNo, qPrintable(pc));
    return 0;
}

KomutKaydi hesapKaydi("register-account",
                      "--computer ID --user NAME --password PW --type N --customer-code CODE [--active 0|1] [--version N]",
                      hesapKaydet);

int gidenListele(const VeritabaniAyari& vt, const QStringList&)
{
    Veritabani db(vt);
    QSqlQuery q = db.sorgu(QStringLiteral("SELECT * FROM giden ORDER BY id"));
    const QSqlRecord rec = q.record();
    int n = 0;
    while (q.next()) {
        ++n;
        std::printf("--- %d\n", n);
        for (int i = 0; i < rec.count(); ++i)
            std::printf("%s: %s\n", qPrintable(rec.fieldName(i)), q.value(i).toString().toUtf8().constData());
    }
    std::printf("%d request(s)\n", n);
    return 0;
}

KomutKaydi gidenKaydi("list-outbox", "   print every request and message customers sent", gidenListele);

} // namespace

} // namespace dealer
