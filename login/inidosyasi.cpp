#include "inidosyasi.h"

#include <QFile>
#include <QSaveFile>

namespace mivo {

namespace {

bool bolumBasligi(const QString& satir, QString* ad)
{
    const QString t = satir.trimmed();
    if (!t.startsWith(QLatin1Char('[')) || !t.contains(QLatin1Char(']'))) return false;
    if (ad) *ad = t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
    return true;
}

// A value with blanks at its ends, or one that is itself quoted, is written in
// quotes; reading removes one pair of surrounding quotes.
QString degerYaz(const QString& d)
{
    const bool kenar = !d.isEmpty() && (d.front().isSpace() || d.back().isSpace());
    const bool tirnakli = d.size() >= 2 && d.startsWith(QLatin1Char('"')) && d.endsWith(QLatin1Char('"'));
    return (kenar || tirnakli) ? QLatin1Char('"') + d + QLatin1Char('"') : d;
}

QString degerOku(const QString& ham)
{
    const QString t = ham.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('"')) && t.endsWith(QLatin1Char('"'))) return t.mid(1, t.size() - 2);
    return t;
}

QString tekSatir(QString s)
{
    // A line break would split the entry; the boxes cannot hold one, but keep the file sound.
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return s;
}

} // namespace

TIniFile::TIniFile(QString yol) : yol_(std::move(yol)) { oku(); }

void TIniFile::oku()
{
    satirlar_.clear();
    QFile f(yol_);
    if (!f.open(QIODevice::ReadOnly)) return;
    QByteArray b = f.readAll();
    if (b.startsWith("\xEF\xBB\xBF")) b.remove(0, 3);
    QString metin = QString::fromUtf8(b);
    metin.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    satirlar_ = metin.split(QLatin1Char('\n'));
    if (!satirlar_.isEmpty() && satirlar_.last().isEmpty()) satirlar_.removeLast();
}

bool TIniFile::yaz() const
{
    QSaveFile f(yol_);
    if (!f.open(QIODevice::WriteOnly)) return false;
    QByteArray b;
    for (const QString& s : satirlar_) b += s.toUtf8() + "\r\n";
    f.write(b);
    return f.commit();
}

int TIniFile::bolumSatiri(const QString& bolum) const
{
    QString ad;
    for (int i = 0; i < satirlar_.size(); ++i)
        if (bolumBasligi(satirlar_[i], &ad) && ad.compare(bolum, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int TIniFile::anahtarSatiri(int bs, const QString& anahtar) const
{
    for (int i = bs + 1; i < satirlar_.size(); ++i) {
        const QString& s = satirlar_[i];
        if (bolumBasligi(s, nullptr)) break;
        const QString t = s.trimmed();
        if (t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'))) continue;
        const int esit = s.indexOf(QLatin1Char('='));
        if (esit < 0) continue;
        if (s.left(esit).trimmed().compare(anahtar, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QString TIniFile::ReadString(const QString& bolum, const QString& anahtar, const QString& varsayilan) const
{
    const int bs = bolumSatiri(bolum);
    if (bs < 0) return varsayilan;
    const int as = anahtarSatiri(bs, anahtar);
    if (as < 0) return varsayilan;
    const QString& s = satirlar_[as];
    return degerOku(s.mid(s.indexOf(QLatin1Char('=')) + 1));
}

int TIniFile::ReadInteger(const QString& bolum, const QString& anahtar, int varsayilan) const
{
    const QString s = ReadString(bolum, anahtar, QString());
    bool ok = false;
    const int v = s.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? s.mid(2).toInt(&ok, 16) : s.toInt(&ok);
    return ok ? v : varsayilan;
}

bool TIniFile::ReadBool(const QString& bolum, const QString& anahtar, bool varsayilan) const
{
    return ReadInteger(bolum, anahtar, varsayilan ? 1 : 0) != 0;
}

bool TIniFile::WriteString(const QString& bolum, const QString& anahtar, const QString& deger)
{
    oku();   // another writer may have changed the file meanwhile
    const QString satir = anahtar + QLatin1Char('=') + degerYaz(tekSatir(deger));
    int bs = bolumSatiri(bolum);
    if (bs < 0) {
        satirlar_ << QLatin1Char('[') + bolum + QLatin1Char(']') << satir;
    } else if (const int as = anahtarSatiri(bs, anahtar); as >= 0) {
        satirlar_[as] = satir;
    } else {
        // After the section's last entry, before any blank lines that close it.
        int son = bs;
        for (int i = bs + 1; i < satirlar_.size() && !bolumBasligi(satirlar_[i], nullptr); ++i)
            if (!satirlar_[i].trimmed().isEmpty()) son = i;
        satirlar_.insert(son + 1, satir);
    }
    return yaz();
}

bool TIniFile::WriteInteger(const QString& bolum, const QString& anahtar, int deger)
{
    return WriteString(bolum, anahtar, QString::number(deger));
}

bool TIniFile::WriteBool(const QString& bolum, const QString& anahtar, bool deger)
{
    return WriteString(bolum, anahtar, deger ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace mivo
