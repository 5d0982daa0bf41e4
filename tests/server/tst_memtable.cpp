#include "server/akis.h"
#include "server/memtable.h"
#include "server/memtablemodel.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

using namespace mivo;
using protocol::Column;
using protocol::FieldType;
using protocol::RowSet;

namespace {
RowSet kume(QVector<Column> cols, QVector<QVector<QVariant>> rows)
{
    RowSet r;
    r.columns = std::move(cols);
    r.rows = std::move(rows);
    return r;
}
} // namespace

class TstMemTable : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void loadKeepsOrderAndAddsTrailingColumn()
    {
        TMemTable t;
        RowSetYukle(t, kume({{"A", FieldType::Integer}, {"B", FieldType::String}}, {{3, "c"}, {1, "a"}, {2, "b"}}));
        QCOMPARE(t.RecordCount(), 3);
        QCOMPARE(t.Cell(0, 0).toInt(), 3);
        QCOMPARE(t.Cell(2, 1).toString(), QStringLiteral("b"));
        // One more column at the end: added.
        RowSetYukle(t, kume({{"A", FieldType::Integer}, {"B", FieldType::String}, {"C", FieldType::Double}},
                            {{1, "x", 2.5}}));
        QCOMPARE(t.FieldCount(), 3);
        QCOMPARE(t.AsFloat(u"C"), 2.5);
        // Fewer columns than defined: the rest stay, empty.
        RowSetYukle(t, kume({{"A", FieldType::Integer}}, {{7}}));
        QCOMPARE(t.FieldCount(), 3);
        QVERIFY(!t.FieldValue(u"C").isValid());
        QCOMPARE(t.AsInteger(u"A"), 7);
    }

    void mismatchedColumnFailsAndLeavesTableClosed()
    {
        TMemTable t;
        RowSetYukle(t, kume({{"A", FieldType::Integer}, {"B", FieldType::String}}, {{1, "a"}}));
        try {
            RowSetYukle(t, kume({{"X", FieldType::Integer}, {"B", FieldType::String}}, {{1, "a"}}));
            QFAIL("no error");
        } catch (const EDatabaseError& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Additional columns must be added after the prescribed columns."));
        }
        QVERIFY(!t.Active());
        QCOMPARE(t.RecordCount(), 0);
    }

    void amountFormatOnlyForDoubles()
    {
        TMemTable t;
        RowSetYukle(t, kume({{"TUTAR", FieldType::Double}, {"ADET", FieldType::Integer}, {"PARA", FieldType::Currency},
                             {"METIN", FieldType::String}},
                            {{1234.5, 1234, 5.0, "1234.5"}, {0.004, 0, 0.0, ""}}));
        TutarFormatla(t);
        QCOMPARE(t.FieldDefs()[0].DisplayFormat, QStringLiteral("#,###,##0.00"));
        for (int i = 1; i < 4; ++i) QVERIFY(t.FieldDefs()[i].DisplayFormat.isEmpty());
        TMemTableModel m;
        m.setTable(&t);
        QCOMPARE(m.data(m.index(0, 0)).toString(), QStringLiteral("1.234,50"));
        QCOMPARE(m.data(m.index(1, 0)).toString(), QStringLiteral("0,00"));
        QCOMPARE(m.data(m.index(0, 1)).toString(), QStringLiteral("1234"));
        QCOMPARE(m.data(m.index(0, 3)).toString(), QStringLiteral("1234.5"));
        QCOMPARE(m.data(m.index(0, 0), HamDegerRole).toDouble(), 1234.5);
    }

    void cursorLocateEditPost()
    {
        TMemTable t;
        RowSetYukle(t, kume({{"STOKNO", FieldType::Integer}, {"BAKIYE", FieldType::Double}}, {{10, 1.0}, {20, 2.0}, {30, 3.0}}));
        int n = 0;
        for (t.First(); !t.Eof(); t.Next()) ++n;
        QCOMPARE(n, 3);
        QVERIFY(t.Locate(u"STOKNO", 20));
        QCOMPARE(t.RecNo(), 1);
        QVERIFY(!t.Locate(u"STOKNO", 99));
        TMemTableModel m;
        m.setTable(&t);
        QSignalSpy degisti(&m, &QAbstractItemModel::dataChanged);
        t.Locate(u"STOKNO", 30);
        t.Edit();
        t.SetFieldValue(u"BAKIYE", 7.5);
        t.Post();
        QCOMPARE(degisti.count(), 1);
        QCOMPARE(t.Cell(2, 1).toDouble(), 7.5);
    }

    void detachedTableIsFilledUnseen()
    {
        TMemTable t;
        TMemTableModel m;
        m.setTable(&t);
        QSignalSpy reset(&m, &QAbstractItemModel::modelReset);
        m.setTable(nullptr);   // detach, as a worker load does
        reset.clear();
        RowSetYukle(t, kume({{"A", FieldType::Integer}}, {{1}, {2}}));
        QCOMPARE(reset.count(), 0);
        QCOMPARE(m.rowCount(), 0);
        m.setTable(&t);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(m.rowCount(), 2);
        // Bound columns missing from the table stay empty.
        m.setColumns({QStringLiteral("A"), QStringLiteral("YOK")});
        QCOMPARE(m.columnCount(), 2);
        QVERIFY(!m.data(m.index(0, 1)).isValid());
    }

    void streamRule()
    {
        QByteArray veri(3000, 'x');
        TStream s(veri);
        QByteArray al;
        int parca = 0;
        QVERIFY(AkisOku(&s, 3000, al, [&](qint64) { ++parca; }));
        QCOMPARE(al, veri);
        QCOMPARE(parca, 3);   // 1024 + 1024 + 952
        TStream kisa(veri.left(2999));
        QVERIFY(!AkisOku(&kisa, 3000, al));   // one byte short: dropped
        QVERIFY(al.isEmpty());
        TStream bos;
        QVERIFY(!AkisOku(&bos, 0, al));
        TStream tam(QByteArray(2048, 'y'));   // an exact multiple of the chunk
        QVERIFY(AkisOku(&tam, 2048, al));
    }
};

QTEST_APPLESS_MAIN(TstMemTable)
#include "tst_memtable.moc"
