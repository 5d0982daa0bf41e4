#pragma once
// The demo dealer's documents: real files of every type the client has an icon for.
#include "veritabani.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace dealer {

struct OrnekBelge {
    QString aciklama;
    QString adi;      // file name with extension
    QByteArray veri;
};

QVector<OrnekBelge> ornekBelgeler(Veritabani& db);

// A ZIP archive with stored (uncompressed) entries; enough for Office Open XML files.
QByteArray zipYaz(const QVector<QPair<QString, QByteArray>>& dosyalar);

} // namespace dealer
