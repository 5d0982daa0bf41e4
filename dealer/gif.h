#pragma once
// A small animated-GIF writer (Qt reads GIF but cannot write it).
#include <QByteArray>
#include <QImage>
#include <QVector>

namespace dealer {
// Frames of equal size, shown gecikmeCs hundredths of a second each, looping forever.
QByteArray gifYaz(const QVector<QImage>& kareler, int gecikmeCs);
}
