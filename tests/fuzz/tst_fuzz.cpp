// Thousands of random and mutated inputs through the decoders and the dispatcher: nothing may crash.
#include "fuzz_ortak.h"
#include "protocol/codec.h"

#include <QRandomGenerator>
#include <QtTest>

class TstFuzz : public QObject {
    Q_OBJECT
private slots:
    void rastgele()
    {
        QRandomGenerator r(7);
        for (int i = 0; i < 1500; ++i) {
            QByteArray b(r.bounded(200), Qt::Uninitialized);
            for (auto& c : b) c = char(r.bounded(256));
            fuzz::bir(reinterpret_cast<const uint8_t*>(b.constData()), size_t(b.size()));
        }
    }
    void bozulmus()
    {
        using protocol::Value;
        const QVector<protocol::Request> tohum = {
            {QStringLiteral("TServerMethods1.StokAraMivo"), {Value::string(QStringLiteral("FREN")), Value::null()}},
            {QStringLiteral("TServerMethods1.SepetVer"), {Value::int32(1)}},
            {QStringLiteral("TServerMethods1.SiparisKaydet"), {Value::json("{\"type\":\"baglantiu.TSonucBilgisi\",\"id\":1,\"fields\":{}}"),
                                                              Value::int32(1), Value::int32(1), Value::int32(1),
                                                              Value::string(QStringLiteral("x")), Value::int32(1), Value::int32(1)}},
        };
        QRandomGenerator r(11);
        int n = 0;
        for (const auto& t : tohum) {
            const QByteArray temel = protocol::frame(protocol::encodeRequest(t));
            for (int i = 0; i < 1000; ++i, ++n) {
                QByteArray b = temel;
                const int degisim = 1 + r.bounded(4);
                for (int k = 0; k < degisim; ++k) {
                    const int yer = r.bounded(b.size());
                    switch (r.bounded(3)) {
                    case 0: b[yer] = char(r.bounded(256)); break;
                    case 1: b.remove(yer, 1 + r.bounded(4)); break;
                    default: b.insert(yer, char(r.bounded(256)));
                    }
                }
                fuzz::bir(reinterpret_cast<const uint8_t*>(b.constData()), size_t(b.size()));
            }
        }
        QVERIFY(n == 3000);
    }
};

QTEST_MAIN(TstFuzz)
#include "tst_fuzz.moc"
