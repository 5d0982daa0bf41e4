#include "veritabani.h"
#include "sema.h"

#include <QAtomicInt>
#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QSqlRecord>
#include <QThread>
#include <QUrl>
#include <thread>

namespace dealer {

namespace {
QAtomicInt sayac;

bool mesgul(const QSqlError& e)
{
    const QString t = e.text().toLower();
    return t.contains(QLatin1String("database is locked")) || t.contains(QLatin1String("busy"))
        || t.contains(QLatin1String("deadlock")) || t.contains(QLatin1String("could not serialize"));
}
} // namespace

Veritabani::Veritabani(const VeritabaniAyari& a)
    : ad_(QStringLiteral("mivo-%1").arg(sayac.fetchAndAddRelaxed(1))), pg_(a.postgres())
{
    if (pg_) {
        const QUrl u(a.adres);
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), ad_);
        db_.setHostName(u.host().isEmpty() ? QStringLiteral("127.0.0.1") : u.host());
        db_.setPort(u.port(5432));
        db_.setUserName(u.userName());
        db_.setPassword(u.password());
        db_.setDatabaseName(u.path().mid(1));
    } else {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ad_);
        db_.setDatabaseName(a.adres);
        db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
    }
    if (!db_.open()) {
        const std::string why = db_.lastError().text().toStdString();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(ad_);
        throw VeritabaniHatasi("database cannot be opened: " + why);
    }
    if (!pg_) {
        QSqlQuery q(db_);
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        q.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
        q.exec(QStringLiteral("PRAGMA cache_size=-32768"));
        q.exec(QStringLiteral("PRAGMA mmap_size=268435456"));
    }
}

Veritabani::~Veritabani()
{
    if (db_.isValid()) db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(ad_);
}

QVariant bosDegil(const QVariant& v)
{
    // A null QString binds as SQL NULL; texts are never NULL in this schema.
    if (v.typeId() == QMetaType::QString && v.toString().isNull()) return QVariant(QString(QLatin1String("")));
    return v;
}

QSqlQuery Veritabani::sorgu(const QString& sql, const QVariantList& params)
{
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (params.isEmpty()) {
        // Statements without parameters run directly: PostgreSQL cannot PREPARE schema statements.
        if (!q.exec(sql)) throw VeritabaniHatasi((q.lastError().text() + QStringLiteral(" in ") + sql).toStdString());
        return q;
    }
    if (!q.prepare(sql)) throw VeritabaniHatasi((q.lastError().text() + QStringLiteral(" in ") + sql).toStdString());
    for (int i = 0; i < params.size(); ++i) q.bindValue(i, bosDegil(params[i]));
    if (!q.exec()) throw VeritabaniHatasi((q.lastError().text() + QStringLiteral(" in ") + sql).toStdString());
    return q;
}

QVariant Veritabani::tekDeger(const QString& sql, const QVariantList& params)
{
    QSqlQuery q = sorgu(sql, params);
    return q.next() ? q.value(0) : QVariant();
}

qint64 Veritabani::ekle(const QString& sql, const QVariantList& params)
{
    if (pg_) {
        QSqlQuery q = sorgu(sql + QStringLiteral(" RETURNING id"), params);
        return q.next() ? q.value(0).toLongLong() : 0;
    }
    QSqlQuery q = sorgu(sql, params);
    return q.lastInsertId().toLongLong();
}

void Veritabani::islem(const std::function<void()>& f)
{
    for (int deneme = 0;; ++deneme) {
        QSqlQuery q(db_);
        const bool basla = pg_ ? q.exec(QStringLiteral("BEGIN")) : q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (!basla) {
            if (mesgul(q.lastError()) && deneme < 200) { QThread::msleep(10 + deneme % 20); continue; }
            throw VeritabaniHatasi(q.lastError().text().toStdString());
        }
        try {
            f();
            QSqlQuery c(db_);
            if (!c.exec(QStringLiteral("COMMIT"))) {
                const QSqlError e = c.lastError();
                QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
                if (mesgul(e) && deneme < 200) { QThread::msleep(10); continue; }
                throw VeritabaniHatasi(e.text().toStdString());
            }
            return;
        } catch (const VeritabaniHatasi& e) {
            QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
            const QString t = QString::fromStdString(e.what()).toLower();
            const bool tekrar = t.contains(QLatin1String("locked")) || t.contains(QLatin1String("deadlock"))
                || t.contains(QLatin1String("could not serialize"));
            if (tekrar && deneme < 200) { QThread::msleep(10); continue; }
            throw;
        } catch (...) {
            QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
            throw;
        }
    }
}

void Veritabani::semaKur()
{
    islem([&] {
        for (const QString& s : semaKomutlari(pg_)) calistir(s);
    });
    if (pg_) {
        // Without pg_trgm the search still works, by scanning.
        try {
            islem([&] {
                for (const QString& s : pgTrigramKomutlari()) calistir(s);
            });
        } catch (const VeritabaniHatasi&) {
        }
    }
}

// ---------- row sets ----------

TabloYapici::TabloYapici(std::initializer_list<protocol::Column> cols) : t_(std::make_shared<protocol::RowSet>())
{
    t_->columns = QVector<protocol::Column>(cols);
}

TabloYapici::TabloYapici(QVector<protocol::Column> cols) : t_(std::make_shared<protocol::RowSet>())
{
    t_->columns = std::move(cols);
}

namespace {
QVariant donustur(const QVariant& v, protocol::FieldType t)
{
    using protocol::FieldType;
    if (v.isNull() || !v.isValid()) return {};
    switch (t) {
    case FieldType::Integer: return QVariant(v.toInt());
    case FieldType::LargeInt: return QVariant(v.toLongLong());
    case FieldType::Double: case FieldType::Currency: return QVariant(v.toDouble());
    case FieldType::Boolean: return QVariant(v.toBool());
    case FieldType::Date: {
        if (v.typeId() == QMetaType::QDate) return v;
        if (v.typeId() == QMetaType::QDateTime) return QVariant(v.toDateTime().date());
        return QVariant(QDate::fromString(v.toString().left(10), QStringLiteral("yyyy-MM-dd")));
    }
    case FieldType::DateTime: {
        if (v.typeId() == QMetaType::QDateTime) return v;
        if (v.typeId() == QMetaType::QDate) return QVariant(QDateTime(v.toDate(), QTime(0, 0)));
        QString s = v.toString();
        QDateTime dt = QDateTime::fromString(s.left(19), QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
        if (!dt.isValid()) dt = QDateTime::fromString(s.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!dt.isValid()) dt = QDateTime(QDate::fromString(s.left(10), QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
        return QVariant(dt);
    }
    case FieldType::Blob: return QVariant(v.toByteArray());
    case FieldType::String: case FieldType::WideMemo: return QVariant(v.toString());
    }
    return v;
}
} // namespace

void TabloYapici::ekle(QSqlQuery& q)
{
    const int n = t_->columns.size();
    while (q.next()) {
        QVector<QVariant> r;
        r.reserve(n);
        for (int i = 0; i < n; ++i) r.push_back(donustur(q.value(i), t_->columns[i].type));
        t_->rows.push_back(std::move(r));
    }
}

void TabloYapici::satir(QVector<QVariant> r)
{
    const int n = t_->columns.size();
    r.resize(n);
    for (int i = 0; i < n; ++i) r[i] = donustur(r[i], t_->columns[i].type);
    t_->rows.push_back(std::move(r));
}

using protocol::Column;
using protocol::FieldType;
Column kInt(const char* n) { return {QString::fromUtf8(n), FieldType::Integer, 0, 0, 0}; }
Column kBig(const char* n) { return {QString::fromUtf8(n), FieldType::LargeInt, 0, 0, 0}; }
Column kDbl(const char* n) { return {QString::fromUtf8(n), FieldType::Double, 0, 15, 0}; }
Column kStr(const char* n, int size) { return {QString::fromUtf8(n), FieldType::String, size, 0, 0}; }
Column kMemo(const char* n) { return {QString::fromUtf8(n), FieldType::WideMemo, 0, 0, 0}; }
Column kDate(const char* n) { return {QString::fromUtf8(n), FieldType::Date, 0, 0, 0}; }
Column kDateTime(const char* n) { return {QString::fromUtf8(n), FieldType::DateTime, 0, 0, 0}; }
Column kBool(const char* n) { return {QString::fromUtf8(n), FieldType::Boolean, 0, 0, 0}; }

} // namespace dealer
