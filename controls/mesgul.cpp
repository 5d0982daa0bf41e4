#include "mesgul.h"

#include <QMovie>

namespace mivo {

TMesgulGosterge::TMesgulGosterge(QWidget* parent, const QString& resim) : QLabel(parent)
{
    film_ = new QMovie(resim, QByteArray(), this);
    film_->setScaledSize(QSize(28, 28));
    film_->setCacheMode(QMovie::CacheAll);
    setFixedSize(28, 28);
    setMovie(film_);
    hide();
}

void TMesgulGosterge::Baslat()
{
    if (sayac_++ == 0) {
        film_->start();
        show();
    }
}

void TMesgulGosterge::Durdur()
{
    if (sayac_ == 0) return;
    if (--sayac_ == 0) {
        film_->stop();
        hide();
    }
}

} // namespace mivo
