#include "protocol/catalogue.h"
#include "protocol/codec.h"
#include "protocol/frame.h"

#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QTest>

using namespace protocol;

class TstProtocol : public QObject {
    Q_OBJECT
private slots:
    void catalogueIsComplete()
    {
        const auto& m = methods();
        QCOMPARE(int(m.size()), 84);
        int called = 0;
        QSet<QString> names;
        for (const auto& x : m) {
            called += x.calledByClient;
            names.insert(QString::fromLatin1(x.name));
        }
        QCOMPARE(called, 45);
        QCOMPARE(names.size(), 84);
        for (const char* n : {"MailGonserCari", "KampanyaliVermMobil", "SiparisAytintisiDip", "AcilisREklamVer"})
            QVERIFY2(findMethod(QString::fromLatin1(n)), n);
        const MethodSpec* b = findCommand(u"TServerMethods1.BelgeIndir");
        QVERIFY(b);
        QCOMPARE(b->resultOrdinal(), 3);
        QVERIFY(b->params[1].out && b->params[2].out);
        QVERIFY(!findCommand(u"TServerMethods2.SepetVer"));
    }

    void framesArriveInPieces()
    {
        const QByteArray a = frame("{\"a\":1}"), b = frame("{}");
        FrameDecoder d;
        const QByteArray both = a + b;
        for (char c : both.left(5)) d.feed(&c, 1);
        QVERIFY(!d.next());
        QVERIFY(d.midFrame());
        d.feed(both.constData() + 5, both.size() - 5);
        QCOMPARE(*d.next(), QByteArray("{\"a\":1}"));
        QCOMPARE(*d.next(), QByteArray("{}"));
        QVERIFY(!d.next());
        QVERIFY(!d.midFrame());
    }

    void oversizeClaimIsRefusedWithoutAllocating()
    {
        FrameDecoder d(1024);
        const char claim[] = {char(0x7f), char(0xff), char(0xff), char(0xff), 'x'};
        d.feed(claim, sizeof claim);
        QVERIFY(!d.next());
        QVERIFY(d.tooLarge());
        QCOMPARE(d.claimedSize(), 0x7fffffffu);
    }

    void requestRoundTrip()
    {
        Request r;
        r.command = QStringLiteral("TServerMethods1.SepetEkle");
        r.params = {Value::json("{\"type\":\"baglantiu.TSonucBilgisi\",\"id\":1,\"fields\":{\"FADI\":\"Ş\"}}"),
                    Value::int32(-7), Value::string(QStringLiteral("ÇĞİÖŞÜ \"q\"\n")), Value::dbl(0.1),
                    Value::null(), Value::int64(1ll << 40), Value::boolean(true), Value::callback()};
        const Request d = decodeRequest(encodeRequest(r));
        QCOMPARE(d.command, r.command);
        QCOMPARE(d.params.size(), r.params.size());
        QCOMPARE(d.params[0].kind(), ValueKind::Json);
        QCOMPARE(d.params[0].jsonText(), r.params[0].jsonText());   // member order kept
        QCOMPARE(d.params[1].toInt32(), -7);
        QCOMPARE(d.params[2].toString(), r.params[2].toString());
        QCOMPARE(d.params[3].toDouble(), 0.1);
        QVERIFY(d.params[4].isNull());
        QCOMPARE(d.params[5].toInt64(), 1ll << 40);
        QCOMPARE(d.params[6].toBool(), true);
        QCOMPARE(d.params[7].kind(), ValueKind::Callback);
    }

    void rowSetKeepsTypesAndOrder()
    {
        auto t = std::make_shared<RowSet>();
        t->columns = {{"I", FieldType::Integer}, {"L", FieldType::LargeInt}, {"D", FieldType::Double},
                      {"S", FieldType::String, 40}, {"T", FieldType::Date}, {"Z", FieldType::DateTime},
                      {"B", FieldType::Boolean}, {"X", FieldType::Blob}, {"M", FieldType::WideMemo}};
        t->rows.push_back({5, qlonglong(1) << 35, 1234.5, QStringLiteral("şoför"), QDate(2026, 12, 26),
                           QDateTime(QDate(2026, 1, 5), QTime(13, 4, 5, 6)), true, QByteArray("\x00\xff", 2),
                           QStringLiteral("a\nb")});
        t->rows.push_back(QVector<QVariant>(9));   // all NULL
        const QByteArray out = encodeResponse({{0, Value::int64(3)}, {1, Value::table(t)}, {2, Value::stream("abc")}});
        const Response r = decodeResponse(out);
        QVERIFY(!r.isError);
        QCOMPARE(r.at(0)->toInt64(), 3);
        QCOMPARE(r.at(2)->streamBytes(), QByteArray("abc"));
        auto back = r.at(1)->rowSet();
        QVERIFY(back);
        QCOMPARE(back->columns.size(), 9);
        QCOMPARE(back->columns[3].size, 40);
        QCOMPARE(back->rows.size(), 2);
        for (int c = 0; c < 9; ++c) {
            QCOMPARE(back->columns[c].type, t->columns[c].type);
            QCOMPARE(back->rows[0][c], t->rows[0][c]);
            QVERIFY(!back->rows[1][c].isValid());
        }
    }

    void errorsCarryClassAndMessage()
    {
        const Response r = decodeResponse(encodeError(QStringLiteral("EDatabaseError"), QStringLiteral("Kayıt yok")));
        QVERIFY(r.isError);
        QCOMPARE(r.errorClass, QStringLiteral("EDatabaseError"));
        QCOMPARE(r.errorMessage, QStringLiteral("Kayıt yok"));
    }

    void malformedPayloadsThrow_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("not json") << QByteArray("{{{");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("array") << QByteArray("[1,2]");
        QTest::newRow("no command") << QByteArray("{\"params\":[]}");
        QTest::newRow("params not array") << QByteArray("{\"command\":\"x\",\"params\":5}");
        QTest::newRow("unknown kind") << QByteArray("{\"command\":\"x\",\"params\":[{\"type\":\"quux\",\"value\":1}]}");
        QTest::newRow("int32 overflow") << QByteArray("{\"command\":\"x\",\"params\":[{\"type\":\"int32\",\"value\":4294967296}]}");
        QTest::newRow("string as int") << QByteArray("{\"command\":\"x\",\"params\":[{\"type\":\"int32\",\"value\":\"5\"}]}");
        QTest::newRow("bad base64") << QByteArray("{\"command\":\"x\",\"params\":[{\"type\":\"stream\",\"value\":\"@@@\"}]}");
        QTest::newRow("missing value") << QByteArray("{\"command\":\"x\",\"params\":[{\"type\":\"string\"}]}");
        QTest::newRow("short row") << QByteArray(
            "{\"command\":\"x\",\"params\":[{\"type\":\"table\",\"value\":{\"columns\":[{\"name\":\"A\",\"type\":\"Integer\"}],\"rows\":[[]]}}]}");
        QTest::newRow("bad cell") << QByteArray(
            "{\"command\":\"x\",\"params\":[{\"type\":\"table\",\"value\":{\"columns\":[{\"name\":\"A\",\"type\":\"Integer\"}],\"rows\":[[\"z\"]]}}]}");
    }
    void malformedPayloadsThrow()
    {
        QFETCH(QByteArray, payload);
        QVERIFY_THROWS_EXCEPTION(ProtocolError, decodeRequest(payload));
    }

    void datesOnTheWire()
    {
        QCOMPARE(dateFromWire("2026-02-30"), QDate());   // no such day
        QCOMPARE(dateFromWire("20-12-2026"), QDate());
        QCOMPARE(dateTimeFromWire("2026-12-31T23:59:58.123"), QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58, 123)));
        QCOMPARE(dateTimeFromWire("2026-12-31"), QDateTime(QDate(2026, 12, 31), QTime(0, 0)));
    }
};

QTEST_APPLESS_MAIN(TstProtocol)
#include "tst_protocol.moc"
