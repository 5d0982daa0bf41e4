#pragma once
// A small INI file in UTF-8: sections and keys matched without regard to case,
// keys and values kept as written (QSettings would escape a key like "hatırla").
// Every write goes to the file at once, through a temporary file, so a failed
// write leaves the old file whole.
#include <QString>
#include <QStringList>

namespace mivo {

class TIniFile {
public:
    explicit TIniFile(QString yol);

    QString ReadString(const QString& bolum, const QString& anahtar, const QString& varsayilan) const;
    int ReadInteger(const QString& bolum, const QString& anahtar, int varsayilan) const;
    bool ReadBool(const QString& bolum, const QString& anahtar, bool varsayilan) const;

    bool WriteString(const QString& bolum, const QString& anahtar, const QString& deger);
    bool WriteInteger(const QString& bolum, const QString& anahtar, int deger);
    bool WriteBool(const QString& bolum, const QString& anahtar, bool deger);   // 1 or 0

    QString FileName() const { return yol_; }

private:
    void oku();
    bool yaz() const;
    int bolumSatiri(const QString& bolum) const;
    int anahtarSatiri(int bolumSatiri, const QString& anahtar) const;
    QString yol_;
    QStringList satirlar_;
};

} // namespace mivo
