#pragma once
// Inner parts of TGridView.
#include "controls/grid.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace mivo {

// Rows held by the view itself (unbound views).
class TSatirModeli : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TSatirModeli(TGridView* g) : QAbstractTableModel(g), g_(g) {}
    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : int(satirlar_.size()); }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : g_->KolonSayisi(); }
    QVariant data(const QModelIndex& i, int role) const override;
    QVariant headerData(int s, Qt::Orientation o, int role) const override;
    bool setData(const QModelIndex& i, const QVariant& v, int role) override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;
    int ekle();
    void sil(int satir);
    void temizle();
    void kolonlarDegisti() { beginResetModel(); endResetModel(); }

private:
    TGridView* g_;
    QVector<QVector<QVariant>> satirlar_;
};

// Header filters and user sorting. With neither active it maps rows one to one.
class TGridSuzgec : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit TGridSuzgec(TGridView* g) : QSortFilterProxyModel(g), g_(g) {}
    QHash<int, QSet<QString>> filtreler;
    void yenile() { invalidateFilter(); }
    bool birebir() const { return filtreler.isEmpty() && sortColumn() < 0; }
    QVariant headerData(int s, Qt::Orientation o, int role) const override;

protected:
    bool filterAcceptsRow(int satir, const QModelIndex& ust) const override;
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override;

private:
    TGridView* g_;
};

class TFiltreBaslik : public QHeaderView {
    Q_OBJECT
public:
    explicit TFiltreBaslik(TGridView* g);
    QRect dugmeAlani(int mantiksal) const;

protected:
    void paintSection(QPainter* p, const QRect& r, int mantiksal) const override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    QSize sizeHint() const override;

private:
    TGridView* g_;
    bool filtreTiklamasi_ = false;
};

class TGridTablo : public QTableView {
    Q_OBJECT
public:
    explicit TGridTablo(TGridView* g);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void currentChanged(const QModelIndex& yeni, const QModelIndex& eski) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    TGridView* g_;
};

class TFooterBandi : public QWidget {
    Q_OBJECT
public:
    explicit TFooterBandi(TGridView* g);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    TGridView* g_;
};

} // namespace mivo
