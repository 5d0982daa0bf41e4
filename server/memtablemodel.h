#pragma once
// A Qt model over a TMemTable (the data source of a grid view).
// setTable(nullptr) detaches; setting the table again reattaches and resets.
#include "memtable.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

namespace mivo {

enum MemTableRoles {
    HamDegerRole = Qt::UserRole + 1,   // the cell's typed value, for footers, icons, exports
    AlanTuruRole,                      // protocol::FieldType of the bound field, as int
};

class TMemTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TMemTableModel(QObject* parent = nullptr);
    ~TMemTableModel() override;

    // Bound field names, one per model column; empty = every field of the table.
    void setColumns(const QStringList& fieldNames);
    QStringList columns() const { return fields_; }
    // Header captions per model column; a column without one shows nothing.
    void setCaptions(const QStringList& captions);

    void setTable(TMemTable* t);     // nullptr detaches
    TMemTable* table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& idx, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation o, int role = Qt::DisplayRole) const override;
    // Writes into the bound table (an editable check-box cell, for instance).
    bool setData(const QModelIndex& idx, const QVariant& v, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& idx) const override;

    // Table column of a model column, -1 when the field is not in the loaded table.
    int tableColumn(int modelColumn) const;
    QString fieldName(int modelColumn) const;

signals:
    void currentRecordChanged(int row);

private:
    void rebind();
    TMemTable* table_ = nullptr;
    int dinleyiciId_ = 0;
    QStringList fields_;
    QStringList captions_;
    bool captionsSet_ = false;
    QVector<int> map_;
};

} // namespace mivo
