// Saves screenshots of every cell kind, the footer, the badges and both skins:
//   controls_gallery [folder]             (default ./galeri)
//   controls_gallery --svg2png in.svg out.png   (draws the PNG assets from their SVG sources)
#include "controls/grid.h"
#include "controls/kaynaklar.h"
#include "controls/mesgul.h"
#include "controls/sayfakontrol.h"
#include "controls/skin.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <cstdio>

using namespace mivo;
using protocol::FieldType;

static int svgdenPng(const QString& svg, const QString& png)
{
    QSvgRenderer r(svg);
    if (!r.isValid()) return 1;
    QImage img(r.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p);
    p.end();
    return img.save(png) ? 0 : 1;
}

static TGridKolon kol(const QString& alan, const QString& baslik, int gen, HucreTuru tur = HucreTuru::Metin)
{
    TGridKolon k;
    k.Alan = alan;
    k.Baslik = baslik;
    k.Genislik = gen;
    k.Tur = tur;
    return k;
}

static QByteArray ornekResim(const QColor& c, const QString& yazi)
{
    QImage img(560, 380, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 560, 380);
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(1, c);
    p.fillRect(img.rect(), g);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"), 30, QFont::Bold);
    p.setFont(f);
    p.drawText(img.rect(), Qt::AlignCenter, yazi);
    p.end();
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG");
    return b;
}

static void kaydet(QWidget* w, const QString& klasor, const QString& ad)
{
    w->show();
    QApplication::processEvents();
    w->grab().save(klasor + QLatin1Char('/') + ad + QStringLiteral(".png"));
    std::printf("%s/%s.png\n", qPrintable(klasor), qPrintable(ad));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    KaynaklariYukle();
    const QStringList a = app.arguments();
    if (a.size() >= 4 && a[1] == QLatin1String("--svg2png")) return svgdenPng(a[2], a[3]);
    const QString klasor = a.size() > 1 ? a[1] : QStringLiteral("galeri");
    QDir().mkpath(klasor);

    TMemTable t;
    t.AddField("SEC", FieldType::Integer);
    t.AddField("TARIH", FieldType::Date);
    t.AddField("ADI", FieldType::String);
    t.AddField("NOT", FieldType::WideMemo);
    t.AddField("NETFIYAT", FieldType::Double);
    t.AddField("Y", FieldType::Integer);
    t.AddField("K", FieldType::Integer);
    t.AddField("DURUM", FieldType::Integer);
    t.AddField("TUR", FieldType::Integer);
    t.AddField("ILERI", FieldType::Integer);
    t.CreateDataSet();
    const QStringList adlar{"FREN BALATASI ÖN TAKIM", "ŞANZIMAN YAĞI 75W90 1 LT", "ÖN CAM SİLECEĞİ SÜPÜRGESİ 600 MM",
                            "FAR AMPULÜ H7 12V", "DEBRİYAJ SETİ", "YAĞ FİLTRESİ", "HAVA FİLTRESİ"};
    for (int i = 0; i < adlar.size(); ++i)
        t.AppendRow({i % 2, QDate(2026, 1, 3 + i), adlar[i],
                     i % 3 == 0 ? QStringLiteral("Müşteri notu:\nAcil gönderim rica ederim.") : QString(),
                     123.45 * (i + 1), i % 2, i == 2 ? 1 : 0, i < 6 ? QVariant(i) : QVariant(), i % 7, (i * 23) % 101});
    TutarFormatla(t);

    for (const char* skin : {kOfficeSkin, kWinterSkin}) {
        SkinSec(QString::fromLatin1(skin));
        const QString ek = QString::fromLatin1(skin).startsWith(QLatin1String("Office")) ? "office" : "winter";

        TGridView g;
        TGridKolon sec = kol("SEC", "Seç", 44, HucreTuru::OnayKutusu);
        sec.SaltOkunur = false;
        TGridKolon tur = kol("TUR", "Tür", 60, HucreTuru::ResimCombo);
        tur.Ikonlar = DosyaIkonListesi();
        for (int i = 0; i < 7; ++i) tur.Ogeler.push_back({i, i, QString()});
        tur.VarsayilanIkon = 0;
        tur.Hizalama = Qt::AlignCenter;
        TGridKolon dugme;
        dugme.Ad = "BUTTON";
        dugme.Baslik = "İndir";
        dugme.Tur = HucreTuru::Dugme;
        dugme.DugmeIkonu = QIcon(":/mivo/dosya/4.svg");
        dugme.DugmeMetni = "İndir";
        dugme.Genislik = 100;
        TGridKolon fiyat = kol("NETFIYAT", "Net Fiyatı", 100);
        TGridKolon etiket = kol("TARIH", "Tarih", 90, HucreTuru::Etiket);
        g.KolonlarTanimla({sec, etiket, kol("ADI", "Açıklama", 170), kol("NOT", "Not", 170, HucreTuru::Memo), fiyat,
                           EvetHayirKolonu("Y", "Yeni"), EvetHayirKolonu("K", "Kampanyalı"), DurumKolonu(), tur, dugme,
                           kol("ILERI", QString(), 140, HucreTuru::Ilerleme)});
        TGorunumAyarlari ay;
        ay.SaltOkunur = false;
        ay.FooterGoster = true;
        ay.CiftSatirRengi = QColor(224, 232, 241);
        ay.TekSatirRengi = QColor(237, 245, 255);
        g.Ayarla(ay);
        g.FooterOgeleri({{"ADI", FooterTuru::Sayi}, {"NETFIYAT", FooterTuru::Toplam}});
        g.SetTable(&t);
        g.FiltreAyarla(g.KolonBul("DURUM"), {"0", "1", "2", "3", "4", "5", ""});
        g.resize(1260, 420);
        g.OdakSatirAyarla(1);
        kaydet(&g, klasor, "grid_" + ek);

        TGridView d;
        TGridKolon resim;
        resim.Ad = "duyuru";
        resim.Tur = HucreTuru::Resim;
        resim.Genislik = 605;
        d.KolonlarTanimla({resim});
        d.BaglantisizKullan();
        TGorunumAyarlari da;
        da.BaslikGoster = false;
        da.SatirYuksekligi = 405;
        da.PikselKaydirma = true;
        da.OdakCercevesi = false;
        d.Ayarla(da);
        int s = d.SatirEkle();
        d.HucreYaz(s, "duyuru", QString::fromLatin1(ornekResim(QColor(30, 90, 160), "KAMPANYA").toHex()));
        s = d.SatirEkle();
        d.HucreYaz(s, "duyuru", ornekResim(QColor(160, 60, 30), "YENİ ÜRÜNLER"));
        d.resize(625, 500);
        kaydet(&d, klasor, "duyuru_" + ek);

        QWidget pw;
        auto* l = new QVBoxLayout(&pw);
        auto* pc = new TsPageControl;
        const QList<QPair<QString, int>> sekmeler{{"Stok\r\nListesi", 0}, {"Sepet", 8}, {"Yeni\r\nStoklar", 10},
                                                  {"Kampanyalı", 6}, {"Sipariş\r\nDurumları", 2}, {"Duyurular", 5},
                                                  {"Dosyalar", 16}};
        const int rozet[] = {35, 4, 0, 12, 0, 3, 128};
        int i = 0;
        for (const auto& x : sekmeler) {
            auto* sh = new TsTabSheet(QStringLiteral("s%1").arg(i), x.first, x.second);
            pc->SayfaEkle(sh);
            sh->SetBagTag(rozet[i++]);
        }
        l->addWidget(pc);
        auto* m = new TMesgulGosterge;
        l->addWidget(m);
        m->Baslat();
        pw.resize(900, 200);
        kaydet(&pw, klasor, "sekmeler_" + ek);
    }
    return 0;
}
