// Row-set round trip: from sending the request to the TMemTable being loaded,
// against a real mivo-server with a seeded catalogue. Prints rows/s and MB/s.
#include "server/memtable.h"
#include "server/servermethods.h"
#include "server/yapilandirma.h"

#include "../ortak/tohumlusunucu.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace mivo;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int stoklar = argc > 1 ? std::atoi(argv[1]) : 50000;
    const int tekrar = argc > 2 ? std::atoi(argv[2]) : 10;
    TohumluSunucu sunucu;
    if (!sunucu.baslat(stoklar)) return 1;
    const int port = sunucu.port;

    TSQLConnection c;
    c.HostName = QStringLiteral("127.0.0.1");
    c.Port = QString::number(port);
    TSonucBilgisi sb;
    sb.SetCARINO(1);
    // The broadest text: the one that returns the most rows.
    QString metin;
    int enCok = 0;
    for (const char* aday : {"A", "E", "I", "R", "N", "0", "1"}) {
        c.Open();
        TServerMethods1Client p(&c);
        const int n = int(p.StokAraMivo(QString::fromLatin1(aday), SbKopya(sb))->rows.size());
        c.Close();
        if (n > enCok) { enCok = n; metin = QString::fromLatin1(aday); }
    }
    std::vector<double> sureler;
    qint64 bayt = 0;
    int satir = 0, kolon = 0;
    for (int i = 0; i < tekrar; ++i) {
        TSQLConnection k;
        k.HostName = c.HostName;
        k.Port = c.Port;
        QElapsedTimer s;
        s.start();
        k.Open();
        TServerMethods1Client p(&k);
        protocol::RowSet* rs = p.StokAraMivo(metin, SbKopya(sb));
        TMemTable tablo;
        RowSetYukle(tablo, *rs);
        TutarFormatla(tablo);
        sureler.push_back(s.nsecsElapsed() / 1e6);
        bayt = k.bytesOnWire();
        satir = tablo.RecordCount();
        kolon = tablo.FieldCount();
        k.Close();
    }
    std::sort(sureler.begin(), sureler.end());
    const double ort = sureler[sureler.size() / 2];
    std::printf("StokAraMivo(\"%s\"): %d rows x %d columns, %.2f MB on the wire\n", qPrintable(metin), satir, kolon, bayt / 1e6);
    std::printf("request to loaded table: median %.1f ms, best %.1f ms over %d calls\n", ort, sureler.front(), tekrar);
    std::printf("%.0f rows/s, %.1f MB/s end to end (median)\n", satir / (ort / 1000.0), bayt / 1e6 / (ort / 1000.0));
    return 0;
}
