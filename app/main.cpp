// The program entry: the application object, the main window (whose creation
// runs the whole start-up, login included), the message loop.
#include "anaform.h"
#include "controls/kaynaklar.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (QLocale::system().language() == QLocale::C || QLocale::system().language() == QLocale::English)
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    mivo::KaynaklariYukle();
    mivo::TForm1 Form1;
    Form1.showMaximized();
    return app.exec();
}
