// What mivo-server does with bad frames and requests, seen from a raw socket.
#include "protocol/codec.h"
#include "protocol/frame.h"
#include "tests/support/testsunucu.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QtTest>

namespace {

QByteArray basliklik(quint32 n)
{
    QByteArray b(4, 0);
    b[0] = char(n >> 24); b[1] = char(n >> 16); b[2] = char(n >> 8); b[3] = char(n);
    return b;
}

} // namespace

class TstProtokol : public QObject {
    Q_OBJECT

    std::unique_ptr<mivotest::TestSunucu> sunucu;

    std::unique_ptr<QTcpSocket> baglan()
    {
        auto s = std::make_unique<QTcpSocket>();
        s->connectToHost(QStringLiteral("127.0.0.1"), quint16(sunucu->port()));
        if (!s->waitForConnected(3000)) return nullptr;
        return s;
    }

    // One whole response frame, or nothing when the server closed or stayed silent.
    static std::optional<protocol::Response> yanit(QTcpSocket& s, int ms = 5000)
    {
        protocol::FrameDecoder d;
        QElapsedTimer t;
        t.start();
        for (;;) {
            if (auto p = d.next()) return protocol::decodeResponse(*p);
            if (s.bytesAvailable() == 0 && !s.waitForReadyRead(qMax(1, ms - int(t.elapsed())))) return std::nullopt;
            const QByteArray b = s.readAll();
            d.feed(b.constData(), b.size());
        }
    }

    static bool kapandi(QTcpSocket& s, int ms)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            if (s.state() != QAbstractSocket::ConnectedState) return true;
            s.waitForReadyRead(50);
            s.readAll();
        }
        return s.state() != QAbstractSocket::ConnectedState;
    }

    static QByteArray echo(const QString& v)
    {
        protocol::Request r;
        r.command = QStringLiteral("TServerMethods1.EchoString");
        r.params = {protocol::Value::string(v)};
        return protocol::frame(protocol::encodeRequest(r));
    }

private slots:
    void initTestCase()
    {
        sunucu = std::make_unique<mivotest::TestSunucu>(QStringList{
            QStringLiteral("--max-frame"), QStringLiteral("65536"), QStringLiteral("--stall-timeout-ms"),
            QStringLiteral("400"), QStringLiteral("--idle-timeout-ms"), QStringLiteral("800")});
        QVERIFY(sunucu->basla());
    }

    void bozukIstekHataVerirBaglantiSurer_data()
    {
        QTest::addColumn<QByteArray>("yuk");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("json degil") << QByteArray("merhaba") << "Malformed request";
        QTest::newRow("params yok") << QByteArray("{\"command\":\"TServerMethods1.EchoString\"}") << "Malformed request";
        QTest::newRow("bilinmeyen tur") << QByteArray("{\"command\":\"TServerMethods1.EchoString\",\"params\":[{\"type\":\"tuhaf\",\"value\":1}]}") << "Malformed request";
        QTest::newRow("int32 tasar") << QByteArray("{\"command\":\"TServerMethods1.SepetVer\",\"params\":[{\"type\":\"int32\",\"value\":4294967296}]}") << "Malformed request";
        QTest::newRow("bozuk base64") << QByteArray("{\"command\":\"TServerMethods1.EchoString\",\"params\":[{\"type\":\"stream\",\"value\":\"@@@\"}]}") << "Malformed request";
        QTest::newRow("bilinmeyen yontem") << QByteArray("{\"command\":\"TServerMethods1.Yok\",\"params\":[]}") << "not found";
        QTest::newRow("eksik parametre") << QByteArray("{\"command\":\"TServerMethods1.EchoString\",\"params\":[]}") << "expects 1 parameters, got 0";
        QTest::newRow("yanlis tur") << QByteArray("{\"command\":\"TServerMethods1.SepetVer\",\"params\":[{\"type\":\"string\",\"value\":\"1\"}]}") << "must be Integer";
    }
    void bozukIstekHataVerirBaglantiSurer()
    {
        QFETCH(QByteArray, yuk);
        QFETCH(QString, mesaj);
        auto s = baglan();
        QVERIFY(s);
        s->write(protocol::frame(yuk));
        auto r = yanit(*s);
        QVERIFY(r);
        QVERIFY(r->isError);
        QCOMPARE(r->errorClass, QStringLiteral("TDBXError"));
        QVERIFY2(r->errorMessage.contains(mesaj), qPrintable(r->errorMessage));

        // The same connection still serves the next request.
        s->write(echo(QStringLiteral("ğüş")));
        r = yanit(*s);
        QVERIFY(r && !r->isError);
        QVERIFY(r->at(1));
        QCOMPARE(r->at(1)->toString(), QStringLiteral("ğüş"));
    }

    void sinirAsanCerceveReddedilir()
    {
        // Only the header is sent: the server must answer without waiting for 1 GiB.
        auto s = baglan();
        QVERIFY(s);
        s->write(basliklik(1u << 30));
        auto r = yanit(*s);
        QVERIFY(r);
        QVERIFY(r->isError);
        QCOMPARE(r->errorClass, QStringLiteral("TDBXError"));
        QVERIFY2(r->errorMessage.contains(QLatin1String("exceeds the limit of 65536")), qPrintable(r->errorMessage));
        QVERIFY(kapandi(*s, 2000));

        // A frame right at the limit is fine.
        auto s2 = baglan();
        QVERIFY(s2);
        QString uzun(60000, QLatin1Char('a'));
        s2->write(echo(uzun));
        r = yanit(*s2);
        QVERIFY(r && !r->isError);
        QCOMPARE(r->at(1)->toString(), uzun);
    }

    void yarimKalanCerceveZamanAsimi()
    {
        auto s = baglan();
        QVERIFY(s);
        const QByteArray f = echo(QStringLiteral("x"));
        s->write(f.left(f.size() / 2));
        s->waitForBytesWritten(1000);
        QElapsedTimer t;
        t.start();
        QVERIFY(!yanit(*s, 3000));
        QVERIFY(kapandi(*s, 3000));
        QVERIFY(t.elapsed() < 3000);
    }

    void bostaBaglantiKapanir()
    {
        auto s = baglan();
        QVERIFY(s);
        s->write(echo(QStringLiteral("bir")));
        QVERIFY(yanit(*s));
        QVERIFY(kapandi(*s, 4000));
    }
};

QTEST_GUILESS_MAIN(TstProtokol)
#include "tst_protokol.moc"
