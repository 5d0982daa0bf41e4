#include "skin.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace mivo {

const char* const kOfficeSkin = "Office2010 Blue (internal)";
const char* const kWinterSkin = "Winter2011 (internal)";

namespace {
QString gAktif = QString::fromLatin1(kOfficeSkin);
}

void SkinSec(const QString& ad)
{
    gAktif = ad;
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        const bool kis = ad == QLatin1String(kWinterSkin);
        QPalette p = app->style()->standardPalette();
        p.setColor(QPalette::Window, kis ? QColor(232, 238, 246) : QColor(214, 227, 242));
        p.setColor(QPalette::Button, kis ? QColor(222, 232, 244) : QColor(207, 221, 238));
        p.setColor(QPalette::Highlight, kis ? QColor(70, 110, 170) : QColor(43, 87, 154));
        app->setPalette(p);
    }
}

QString AktifSkin() { return gAktif; }

} // namespace mivo
