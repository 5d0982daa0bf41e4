// A stock search from Enter to the rows painted in the real main window, and the
// longest stall of the UI thread meanwhile (a 1 ms timer measures the event loop).
#include "app/anaform.h"
#include "catalogue/stoklistesi.h"
#include "controls/grid.h"
#include "controls/kaynaklar.h"
#include "login/arkaplan.h"
#include "login/mesajkutusu.h"
#include "login/programsonu.h"
#include "server/servermethods.h"
#include "server/yapilandirma.h"

#include "../ortak/tohumlusunucu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace mivo;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    KaynaklariYukle();
    const int stoklar = argc > 1 ? std::atoi(argv[1]) : 50000;
    const QString metin = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("FREN");
    TohumluSunucu sunucu;
    if (!sunucu.baslat(stoklar)) return 1;
    const int port = sunucu.port;
    yapilandirma().sunucuHost = QStringLiteral("127.0.0.1");
    yapilandirma().sunucuPort = QString::number(port);
    ProgramSonuYakalayici([](int) {});
    TForm1::Giris() = [](QWidget*, TSQLConnection&, TSonucBilgisi& b) {
        b.SetCARINO(1);
        b.SetMusteriTipi(3);
        b.SetDisip(QStringLiteral("127.0.0.1"));
        return int(mrOk);
    };
    TForm1 f;
    f.resize(1366, 768);
    f.show();
    QElapsedTimer bekle;
    bekle.start();
    while (ArkaPlanSayisi() > 0 && bekle.elapsed() < 10000) app.processEvents();

    for (int tur = 0; tur < 5; ++tur) {
        // Event-loop latency probe.
        QElapsedTimer saat;
        saat.start();
        qint64 son = 0, enUzun = 0;
        QTimer yokla;
        yokla.setInterval(1);
        QObject::connect(&yokla, &QTimer::timeout, [&] {
            const qint64 simdi = saat.nsecsElapsed();
            if (son) enUzun = qMax(enUzun, simdi - son);
            son = simdi;
        });
        yokla.start();
        f.araedit->setText(metin);
        QElapsedTimer s;
        s.start();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(f.araedit, &enter);
        while (!f.araedit->isEnabled() || ArkaPlanSayisi() > 0) app.processEvents(QEventLoop::AllEvents, 5);
        f.stokListesi->cxGrid1->Tablo()->viewport()->repaint();   // the rows on screen
        const double ms = s.nsecsElapsed() / 1e6;
        yokla.stop();
        std::printf("search \"%s\": %d rows painted %.1f ms after Enter; longest UI stall %.1f ms\n", qPrintable(metin),
                    f.stok.RecordCount(), ms, enUzun / 1e6);
    }
    return 0;
}
