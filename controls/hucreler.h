#pragma once
// One delegate per cell kind. They paint straight with QPainter (no style round trips):
// a plain repaint of a 35-column screen must stay well inside one frame.
#include "controls/grid.h"

#include <QCache>
#include <QPixmap>
#include <QStyledItemDelegate>

namespace mivo {

class THucreDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    THucreDelegate(TGridView* g, int kolon, QObject* parent);
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override { return nullptr; }

protected:
    // Paints the cell content over the already painted background.
    virtual void icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const;
    void arkaPlan(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i, QColor& yazi) const;
    Qt::Alignment hizalama(const QModelIndex& i) const;
    const TGridKolon& kolon() const { return g_->Kolon(kolon_); }
    TGridView* g_;
    int kolon_;
};

class TMetinDelegate : public THucreDelegate {
    Q_OBJECT
public:
    using THucreDelegate::THucreDelegate;
protected:
    void icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const override;
};

class TMemoDelegate : public THucreDelegate {
    Q_OBJECT
public:
    using THucreDelegate::THucreDelegate;
protected:
    void icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const override;
};

class TEtiketDelegate : public THucreDelegate {
    Q_OBJECT
public:
    using THucreDelegate::THucreDelegate;
protected:
    void icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const override;
};

class TIkonDelegate : public THucreDelegate {
    Q_OBJECT
public:
    using THucreDelegate::THucreDelegate;
    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override;
protected:
    void icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const override;
};

class TResimComboDelegate : public TIkonDelegate {
    Q_OBJECT
public:
    using TIkonDelegate::TIkonDelegate;
protected:
    void icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const override;
};

class TOnayDelegate : public THucreDelegate {
    Q_OBJECT
public:
    using THucreDelegate::THucreDelegate;
    bool editorEvent(QEvent* e, QAbstractItemModel* m, const QStyleOptionViewItem& o, const QModelIndex& i) override;
protected:
    void icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const override;
};

class TDugmeDelegate : public THucreDelegate {
    Q_OBJECT
public:
    using THucreDelegate::THucreDelegate;
    bool editorEvent(QEvent* e, QAbstractItemModel* m, const QStyleOptionViewItem& o, const QModelIndex& i) override;
protected:
    void icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const override;
private:
    QPersistentModelIndex basili_;
};

class TIlerlemeDelegate : public THucreDelegate {
    Q_OBJECT
public:
    using THucreDelegate::THucreDelegate;
protected:
    void icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const override;
};

class TResimDelegate : public THucreDelegate {
    Q_OBJECT
public:
    using THucreDelegate::THucreDelegate;
protected:
    void icerik(QPainter* p, const QRect& r, const QModelIndex& i, const QColor& yazi) const override;
private:
    struct Girdi { QVariant kaynak; QImage resim; };
    mutable QCache<quintptr, Girdi> onbellek_{64};
};

THucreDelegate* DelegeOlustur(HucreTuru tur, TGridView* g, int kolon, QObject* parent);

// Hexadecimal text into bytes: two digits per byte, an odd last digit read alone.
QByteArray HexMetniCoz(const QString& hex);
// A picture from raw bytes or from hexadecimal text (any format the image plugins read).
QImage ResimCoz(const QVariant& v);

} // namespace mivo
