#include "belgeler.h"
#include "ortak.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace dealer {

namespace {

quint32 crc32(const QByteArray& b)
{
    static quint32 tablo[256];
    static bool hazir = false;
    if (!hazir) {
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            tablo[i] = c;
        }
        hazir = true;
    }
    quint32 c = 0xFFFFFFFFu;
    for (char ch : b) c = tablo[(c ^ uchar(ch)) & 0xff] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void u16(QByteArray& o, quint32 v) { o.append(char(v & 0xff)); o.append(char((v >> 8) & 0xff)); }
void u32(QByteArray& o, quint32 v) { u16(o, v & 0xffff); u16(o, v >> 16); }

QByteArray xmlKac(const QString& s) { return s.toHtmlEscaped().toUtf8(); }

QByteArray resim(const char* tur, const QString& yazi, int w, int h)
{
    QImage im(w, h, QImage::Format_RGB32);
    im.fill(QColor(237, 245, 255));
    QPainter p(&im);
    p.setPen(QColor(16, 58, 120));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(h / 8);
    f.setBold(true);
    p.setFont(f);
    p.drawText(im.rect(), Qt::AlignCenter | Qt::TextWordWrap, yazi);
    p.end();
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    im.save(&buf, tur, 85);
    return b;
}

QByteArray fiyatListesiPdf(Veritabani& db)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buf);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(96);
        pdf.setTitle(QStringLiteral("Velmor Otomotiv Fiyat Listesi"));
        QPainter p(&pdf);
        QFont f(QStringLiteral("DejaVu Sans"), 9);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
        p.drawText(QRect(0, 0, 700, 30), QStringLiteral("Velmor Otomotiv - Kampanyalı Ürünler Fiyat Listesi"));
        p.setFont(f);
        int y = 40;
        QSqlQuery q = db.sorgu(QStringLiteral("SELECT kod, adi, listefiyati FROM stok WHERE kampanya = 1 ORDER BY kod LIMIT 60"));
        while (q.next()) {
            p.drawText(QRect(0, y, 140, 16), q.value(0).toString());
            p.drawText(QRect(145, y, 450, 16), q.value(1).toString());
            p.drawText(QRect(600, y, 100, 16), Qt::AlignRight, fiyatMetni(q.value(2).toDouble(), QStringLiteral("TL")));
            y += 16;
        }
    }
    return out;
}

QByteArray xlsx(Veritabani& db)
{
    QByteArray sayfa = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                       "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    auto hucre = [](const QString& s) { return "<c t=\"inlineStr\"><is><t>" + xmlKac(s) + "</t></is></c>"; };
    sayfa += "<row>" + hucre(QStringLiteral("Kod")) + hucre(QStringLiteral("Açıklama")) + hucre(QStringLiteral("Marka"))
             + hucre(QStringLiteral("Fiyat (TL)")) + "</row>";
    QSqlQuery q = db.sorgu(QStringLiteral("SELECT kod, adi, marka, listefiyati FROM stok ORDER BY kod LIMIT 200"));
    while (q.next())
        sayfa += "<row>" + hucre(q.value(0).toString()) + hucre(q.value(1).toString()) + hucre(q.value(2).toString())
                 + "<c><v>" + QByteArray::number(q.value(3).toDouble(), 'f', 2) + "</v></c></row>";
    sayfa += "</sheetData></worksheet>";
    return zipYaz({
        {QStringLiteral("[Content_Types].xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
         "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
         "</Types>"},
        {QStringLiteral("_rels/.rels"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/>"
         "</Relationships>"},
        {QStringLiteral("xl/workbook.xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
         "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
         "<sheets><sheet name=\"Fiyat Listesi\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {QStringLiteral("xl/_rels/workbook.xml.rels"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
         "</Relationships>"},
        {QStringLiteral("xl/worksheets/sheet1.xml"), sayfa},
    });
}

QByteArray docx(const QStringList& paragraflar)
{
    QByteArray govde = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                       "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>";
    for (const QString& p : paragraflar) govde += "<w:p><w:r><w:t xml:space=\"preserve\">" + xmlKac(p) + "</w:t></w:r></w:p>";
    govde += "</w:body></w:document>";
    return zipYaz({
        {QStringLiteral("[Content_Types].xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/word/document.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
         "</Types>"},
        {QStringLiteral("_rels/.rels"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"word/document.xml\"/>"
         "</Relationships>"},
        {QStringLiteral("word/document.xml"), govde},
    });
}

// The smallest presentation the usual viewers open: one slide with a title.
QByteArray pptx(const QString& baslik)
{
    const QByteArray ns = "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
                          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
                          "xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"";
    const QByteArray bos = "<p:cSld><p:spTree><p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>"
                           "<p:grpSpPr/></p:spTree></p:cSld>";
    const QByteArray rels = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    const QByteArray tema =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" name=\"Velmor\"><a:themeElements>"
        "<a:clrScheme name=\"Velmor\"><a:dk1><a:srgbClr val=\"000000\"/></a:dk1><a:lt1><a:srgbClr val=\"FFFFFF\"/></a:lt1>"
        "<a:dk2><a:srgbClr val=\"103A78\"/></a:dk2><a:lt2><a:srgbClr val=\"EDF5FF\"/></a:lt2><a:accent1><a:srgbClr val=\"286EBE\"/></a:accent1>"
        "<a:accent2><a:srgbClr val=\"C00000\"/></a:accent2><a:accent3><a:srgbClr val=\"FFCC00\"/></a:accent3>"
        "<a:accent4><a:srgbClr val=\"70AD47\"/></a:accent4><a:accent5><a:srgbClr val=\"5B9BD5\"/></a:accent5>"
        "<a:accent6><a:srgbClr val=\"ED7D31\"/></a:accent6><a:hlink><a:srgbClr val=\"0563C1\"/></a:hlink>"
        "<a:folHlink><a:srgbClr val=\"954F72\"/></a:folHlink></a:clrScheme>"
        "<a:fontScheme name=\"Velmor\"><a:majorFont><a:latin typeface=\"Arial\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:majorFont>"
        "<a:minorFont><a:latin typeface=\"Arial\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/></a:minorFont></a:fontScheme>"
        "<a:fmtScheme name=\"Velmor\"><a:fillStyleLst><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>"
        "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:fillStyleLst>"
        "<a:lnStyleLst><a:ln w=\"6350\"><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln><a:ln w=\"12700\">"
        "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:ln><a:ln w=\"19050\"><a:solidFill><a:schemeClr val=\"phClr\"/>"
        "</a:solidFill></a:ln></a:lnStyleLst><a:effectStyleLst><a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle>"
        "<a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/></a:effectStyle></a:effectStyleLst><a:bgFillStyleLst>"
        "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill><a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>"
        "<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill></a:bgFillStyleLst></a:fmtScheme></a:themeElements></a:theme>";
    const QByteArray slayt =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<p:sld " + ns +
        "><p:cSld><p:spTree><p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr/>"
        "<p:sp><p:nvSpPr><p:cNvPr id=\"2\" name=\"Başlık\"/><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr><a:xfrm><a:off x=\"457200\" y=\"2286000\"/>"
        "<a:ext cx=\"8229600\" cy=\"1143000\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></p:spPr>"
        "<p:txBody><a:bodyPr/><a:lstStyle/><a:p><a:r><a:rPr lang=\"tr-TR\" sz=\"3600\"/><a:t>" + xmlKac(baslik) +
        "</a:t></a:r></a:p></p:txBody></p:sp></p:spTree></p:cSld></p:sld>";
    return zipYaz({
        {QStringLiteral("[Content_Types].xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/ppt/presentation.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.presentationml.presentation.main+xml\"/>"
         "<Override PartName=\"/ppt/slides/slide1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.presentationml.slide+xml\"/>"
         "<Override PartName=\"/ppt/slideLayouts/slideLayout1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.presentationml.slideLayout+xml\"/>"
         "<Override PartName=\"/ppt/slideMasters/slideMaster1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.presentationml.slideMaster+xml\"/>"
         "<Override PartName=\"/ppt/theme/theme1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.theme+xml\"/>"
         "</Types>"},
        {QStringLiteral("_rels/.rels"),
         rels + "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
                "Target=\"ppt/presentation.xml\"/></Relationships>"},
        {QStringLiteral("ppt/presentation.xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<p:presentation " + ns +
             "><p:sldMasterIdLst><p:sldMasterId id=\"2147483648\" r:id=\"rId1\"/></p:sldMasterIdLst>"
             "<p:sldIdLst><p:sldId id=\"256\" r:id=\"rId2\"/></p:sldIdLst><p:sldSz cx=\"9144000\" cy=\"6858000\"/>"
             "<p:notesSz cx=\"6858000\" cy=\"9144000\"/></p:presentation>"},
        {QStringLiteral("ppt/_rels/presentation.xml.rels"),
         rels + "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/slideMaster\" "
                "Target=\"slideMasters/slideMaster1.xml\"/><Relationship Id=\"rId2\" "
                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/slide\" Target=\"slides/slide1.xml\"/>"
                "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/theme\" "
                "Target=\"theme/theme1.xml\"/></Relationships>"},
        {QStringLiteral("ppt/slides/slide1.xml"), slayt},
        {QStringLiteral("ppt/slides/_rels/slide1.xml.rels"),
         rels + "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/slideLayout\" "
                "Target=\"../slideLayouts/slideLayout1.xml\"/></Relationships>"},
        {QStringLiteral("ppt/slideLayouts/slideLayout1.xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<p:sldLayout " + ns + " type=\"blank\">" + bos +
             "</p:sldLayout>"},
        {QStringLiteral("ppt/slideLayouts/_rels/slideLayout1.xml.rels"),
         rels + "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/slideMaster\" "
                "Target=\"../slideMasters/slideMaster1.xml\"/></Relationships>"},
        {QStringLiteral("ppt/slideMasters/slideMaster1.xml"),
         "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<p:sldMaster " + ns + ">" + bos +
             "<p:clrMap bg1=\"lt1\" tx1=\"dk1\" bg2=\"lt2\" tx2=\"dk2\" accent1=\"accent1\" accent2=\"accent2\" accent3=\"accent3\" "
             "accent4=\"accent4\" accent5=\"accent5\" accent6=\"accent6\" hlink=\"hlink\" folHlink=\"folHlink\"/>"
             "<p:sldLayoutIdLst><p:sldLayoutId id=\"2147483649\" r:id=\"rId1\"/></p:sldLayoutIdLst></p:sldMaster>"},
        {QStringLiteral("ppt/slideMasters/_rels/slideMaster1.xml.rels"),
         rels + "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/slideLayout\" "
                "Target=\"../slideLayouts/slideLayout1.xml\"/><Relationship Id=\"rId2\" "
                "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/theme\" Target=\"../theme/theme1.xml\"/>"
                "</Relationships>"},
        {QStringLiteral("ppt/theme/theme1.xml"), tema},
    });
}

} // namespace

QByteArray zipYaz(const QVector<QPair<QString, QByteArray>>& dosyalar)
{
    QByteArray o, merkez;
    for (const auto& [ad8, veri] : dosyalar) {
        const QByteArray ad = ad8.toUtf8();
        const quint32 crc = crc32(veri), konum = quint32(o.size());
        auto baslik = [&](QByteArray& b, bool merkezi) {
            u32(b, merkezi ? 0x02014b50 : 0x04034b50);
            if (merkezi) u16(b, 20);
            u16(b, 20);          // version needed
            u16(b, 0x0800);      // UTF-8 names
            u16(b, 0);           // stored
            u16(b, 0); u16(b, 0x21);   // 1980-01-01 00:00
            u32(b, crc);
            u32(b, quint32(veri.size()));
            u32(b, quint32(veri.size()));
            u16(b, quint32(ad.size()));
            u16(b, 0);
            if (merkezi) { u16(b, 0); u16(b, 0); u16(b, 0); u32(b, 0); u32(b, konum); }
            b += ad;
        };
        baslik(o, false);
        o += veri;
        baslik(merkez, true);
    }
    const quint32 mk = quint32(o.size());
    o += merkez;
    u32(o, 0x06054b50);
    u16(o, 0); u16(o, 0);
    u16(o, quint32(dosyalar.size())); u16(o, quint32(dosyalar.size()));
    u32(o, quint32(merkez.size()));
    u32(o, mk);
    u16(o, 0);
    return o;
}

QVector<OrnekBelge> ornekBelgeler(Veritabani& db)
{
    QVector<OrnekBelge> v;
    v.push_back({QStringLiteral("Kampanyalı Ürünler Fiyat Listesi"), QStringLiteral("kampanya_fiyat_listesi.pdf"), fiyatListesiPdf(db)});
    v.push_back({QStringLiteral("Genel Fiyat Listesi (Excel)"), QStringLiteral("fiyat_listesi.xlsx"), xlsx(db)});
    v.push_back({QStringLiteral("Sipariş ve İade Formu"), QStringLiteral("iade_formu.docx"),
                 docx({QStringLiteral("VELMOR OTOMOTİV - İADE FORMU"), QStringLiteral("Firma Adı:"), QStringLiteral("Fatura No:"),
                       QStringLiteral("İade Edilen Parça Kodu / Adedi:"), QStringLiteral("İade Sebebi:"),
                       QStringLiteral("İade edilecek parçalar orijinal ambalajında, 15 gün içinde gönderilmelidir.")})});
    v.push_back({QStringLiteral("Bayi Toplantısı Sunumu"), QStringLiteral("bayi_sunumu.pptx"),
                 pptx(QStringLiteral("Velmor Otomotiv Bayi Toplantısı"))});
    v.push_back({QStringLiteral("Kampanya Afişi"), QStringLiteral("kampanya_afisi.jpg"),
                 resim("JPEG", QStringLiteral("FREN GRUBUNDA %15 İNDİRİM"), 800, 600)});
    v.push_back({QStringLiteral("Velmor Logosu"), QStringLiteral("velmor_logo.png"), resim("PNG", QStringLiteral("VELMOR"), 400, 200)});
    v.push_back({QStringLiteral("Depo Yerleşim Planı"), QStringLiteral("depo_plani.bmp"),
                 resim("BMP", QStringLiteral("DEPO A - B - C"), 320, 200)});
    v.push_back({QStringLiteral("Çalışma Koşulları"), QStringLiteral("calisma_kosullari.txt"),
                 QStringLiteral("Velmor Otomotiv çalışma koşulları\r\n\r\nVade: 30 gün\r\nKargo: 16:00'ya kadar verilen siparişler aynı gün\r\n")
                     .toUtf8()});
    return v;
}

} // namespace dealer
