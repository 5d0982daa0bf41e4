#pragma once
// The 28-pixel busy animations (gifstokara, gifyeniler ...): hidden except while their load runs.
#include <QLabel>

class QMovie;

namespace mivo {

class TMesgulGosterge : public QLabel {
    Q_OBJECT
public:
    explicit TMesgulGosterge(QWidget* parent = nullptr, const QString& resim = QStringLiteral(":/mivo/mesgul.gif"));
    // Nested loads keep it running until the last one ends.
    void Baslat();
    void Durdur();
    bool Calisiyor() const { return sayac_ > 0; }
    QMovie* Film() const { return film_; }

private:
    QMovie* film_;
    int sayac_ = 0;
};

} // namespace mivo
