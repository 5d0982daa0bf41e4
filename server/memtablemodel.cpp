#include "memtablemodel.h"

namespace mivo {

TMemTableModel::TMemTableModel(QObject* parent) : QAbstractTableModel(parent) {}

TMemTableModel::~TMemTableModel()
{
    if (table_) table_->Birak(dinleyiciId_);
}

void TMemTableModel::setColumns(const QStringList& fieldNames)
{
    beginResetModel();
    fields_ = fieldNames;
    rebind();
    endResetModel();
}

void TMemTableModel::setCaptions(const QStringList& captions)
{
    captions_ = captions;
    captionsSet_ = true;
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void TMemTableModel::setTable(TMemTable* t)
{
    beginResetModel();
    if (table_) table_->Birak(dinleyiciId_);
    table_ = t;
    dinleyiciId_ = 0;
    if (table_) {
        TMemTable::Dinleyici d;
        d.reset = [this] { beginResetModel(); rebind(); endResetModel(); };
        d.rowChanged = [this](int row) {
            emit dataChanged(index(row, 0), index(row, qMax(0, columnCount() - 1)));
        };
        d.currentChanged = [this](int row) { emit currentRecordChanged(row); };
        dinleyiciId_ = table_->Dinle(std::move(d));
    }
    rebind();
    endResetModel();
}

void TMemTableModel::rebind()
{
    map_.clear();
    if (fields_.isEmpty()) {
        if (table_)
            for (int i = 0; i < table_->FieldCount(); ++i) map_.push_back(i);
        return;
    }
    for (const auto& f : fields_) map_.push_back(table_ ? table_->FieldIndex(f) : -1);
}

int TMemTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !table_) return 0;
    return table_->RecordCount();
}

int TMemTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    return fields_.isEmpty() ? int(map_.size()) : int(fields_.size());
}

int TMemTableModel::tableColumn(int c) const
{
    return (c >= 0 && c < map_.size()) ? map_[c] : -1;
}

QString TMemTableModel::fieldName(int c) const
{
    if (!fields_.isEmpty()) return c >= 0 && c < fields_.size() ? fields_[c] : QString();
    const int tc = tableColumn(c);
    return (table_ && tc >= 0) ? table_->FieldDefs()[tc].Name : QString();
}

QVariant TMemTableModel::data(const QModelIndex& idx, int role) const
{
    if (!table_ || !idx.isValid()) return {};
    const int tc = tableColumn(idx.column());
    if (tc < 0) return {};
    const TFieldDef& def = table_->FieldDefs()[tc];
    switch (role) {
    case Qt::DisplayRole: return GosterimMetni(def, table_->Cell(idx.row(), tc));
    case HamDegerRole: case Qt::EditRole: return table_->Cell(idx.row(), tc);
    case AlanTuruRole: return int(def.DataType);
    case Qt::TextAlignmentRole:
        switch (def.DataType) {
        case protocol::FieldType::Integer: case protocol::FieldType::LargeInt:
        case protocol::FieldType::Double: case protocol::FieldType::Currency:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        default: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        }
    default: return {};
    }
}

QVariant TMemTableModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole) {
        if (captionsSet_) return section >= 0 && section < captions_.size() ? captions_[section] : QString();
        return fieldName(section);
    }
    return QAbstractTableModel::headerData(section, o, role);
}

bool TMemTableModel::setData(const QModelIndex& idx, const QVariant& v, int role)
{
    if (!table_ || !idx.isValid() || (role != Qt::EditRole && role != HamDegerRole)) return false;
    const int tc = tableColumn(idx.column());
    if (tc < 0 || idx.row() >= table_->RecordCount()) return false;
    table_->SetCell(idx.row(), tc, v);
    emit dataChanged(idx, idx);
    return true;
}

Qt::ItemFlags TMemTableModel::flags(const QModelIndex& idx) const
{
    if (!idx.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (tableColumn(idx.column()) >= 0) f |= Qt::ItemIsEditable;
    return f;
}

} // namespace mivo
