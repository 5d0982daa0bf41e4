#include "memtable.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

namespace mivo {

using protocol::FieldType;

int TMemTable::FieldIndex(QStringView name) const
{
    for (int i = 0; i < defs_.size(); ++i)
        if (defs_[i].Name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TMemTable::AddField(const QString& name, FieldType t, int size)
{
    defs_.push_back(TFieldDef{name, t, size, QString()});
}

void TMemTable::Open()
{
    active_ = true;
    cur_ = rows_.isEmpty() ? -1 : 0;
    notifyReset();
}

void TMemTable::Close()
{
    rows_.clear();
    active_ = false;
    editing_ = false;
    cur_ = -1;
    bof_ = true;
    notifyReset();
}

void TMemTable::CreateDataSet()
{
    rows_.clear();
    active_ = true;
    editing_ = false;
    cur_ = -1;
    bof_ = true;
    notifyReset();
}

void TMemTable::EmptyTable()
{
    rows_.clear();
    cur_ = -1;
    bof_ = true;
    notifyReset();
}

void TMemTable::SetRecNo(int r)
{
    if (!active_ || rows_.isEmpty()) { cur_ = -1; return; }
    cur_ = qBound(0, r, int(rows_.size()) - 1);
    bof_ = false;
    if (!ControlsDisabled())
        for (auto& d : dinleyiciler_)
            if (d.second.currentChanged) d.second.currentChanged(cur_);
}

void TMemTable::First()
{
    cur_ = (active_ && !rows_.isEmpty()) ? 0 : -1;
    bof_ = true;
}

void TMemTable::Next()
{
    if (!active_ || rows_.isEmpty()) return;
    if (cur_ < rows_.size()) ++cur_;   // one past the last row is Eof
    bof_ = false;
}

void TMemTable::Last()
{
    cur_ = (active_ && !rows_.isEmpty()) ? int(rows_.size()) - 1 : -1;
}

bool TMemTable::Locate(QStringView field, const QVariant& value)
{
    const int c = FieldIndex(field);
    if (c < 0 || !active_) return false;
    for (int r = 0; r < rows_.size(); ++r) {
        const QVariant& v = rows_[r][c];
        bool same;
        if (v.typeId() == QMetaType::QString || value.typeId() == QMetaType::QString)
            same = v.toString() == value.toString();
        else
            same = v == value || (v.canConvert<double>() && value.canConvert<double>() && v.isValid()
                                  && value.isValid() && v.toDouble() == value.toDouble());
        if (same) {
            SetRecNo(r);
            return true;
        }
    }
    return false;
}

static const QVariant kBos;

const QVariant& TMemTable::Cell(int row, int col) const
{
    if (row < 0 || row >= rows_.size() || col < 0 || col >= rows_[row].size()) return kBos;
    return rows_[row][col];
}

void TMemTable::SetCell(int row, int col, const QVariant& v)
{
    if (row < 0 || row >= rows_.size() || col < 0 || col >= defs_.size()) return;
    if (rows_[row].size() < defs_.size()) rows_[row].resize(defs_.size());
    rows_[row][col] = v;
}

QVariant TMemTable::FieldValue(QStringView field) const
{
    const int c = FieldIndex(field);
    if (c < 0) throw EDatabaseError("Field '" + field.toString().toStdString() + "' not found");
    if (Eof() && cur_ < 0) return {};
    return Cell(cur_, c);
}

QString TMemTable::AsString(QStringView field) const
{
    const QVariant v = FieldValue(field);
    const int c = FieldIndex(field);
    if (v.typeId() == QMetaType::Double) return QString::number(v.toDouble(), 'g', 15);
    if (defs_[c].DataType == FieldType::Date) return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    return v.toString();
}

int TMemTable::AsInteger(QStringView field) const
{
    const QVariant v = FieldValue(field);
    if (v.typeId() == QMetaType::QString) return v.toString().trimmed().toInt();
    if (v.typeId() == QMetaType::Double) return int(v.toDouble());
    return v.toInt();
}

double TMemTable::AsFloat(QStringView field) const
{
    const QVariant v = FieldValue(field);
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        double d = QLocale().toDouble(v.toString().trimmed(), &ok);
        if (!ok) d = v.toString().trimmed().toDouble(&ok);
        return ok ? d : 0.0;
    }
    return v.toDouble();
}

void TMemTable::SetFieldValue(QStringView field, const QVariant& v)
{
    const int c = FieldIndex(field);
    if (c < 0) throw EDatabaseError("Field '" + field.toString().toStdString() + "' not found");
    if (!active_ || cur_ < 0 || cur_ >= rows_.size()) throw EDatabaseError("Dataset not in edit or insert mode");
    SetCell(cur_, c, v);
}

void TMemTable::Edit()
{
    if (!active_ || cur_ < 0 || cur_ >= rows_.size()) throw EDatabaseError("Cannot perform this operation on an empty dataset");
    editing_ = true;
}

void TMemTable::Post()
{
    if (!editing_) return;
    editing_ = false;
    if (!ControlsDisabled())
        for (auto& d : dinleyiciler_)
            if (d.second.rowChanged) d.second.rowChanged(cur_);
}

void TMemTable::Append()
{
    if (!active_) throw EDatabaseError("Dataset not active");
    rows_.push_back(QVector<QVariant>(defs_.size()));
    cur_ = int(rows_.size()) - 1;
    editing_ = true;
    notifyReset();
}

void TMemTable::Delete()
{
    if (!active_ || cur_ < 0 || cur_ >= rows_.size()) return;
    rows_.removeAt(cur_);
    if (cur_ >= rows_.size()) cur_ = int(rows_.size()) - 1;
    notifyReset();
}

void TMemTable::AppendRow(QVector<QVariant> row)
{
    row.resize(defs_.size());
    rows_.push_back(std::move(row));
    if (cur_ < 0) cur_ = 0;
}

void TMemTable::EnableControls()
{
    if (disabled_ > 0) --disabled_;
    if (disabled_ == 0 && pendingReset_) {
        pendingReset_ = false;
        for (auto& d : dinleyiciler_)
            if (d.second.reset) d.second.reset();
    }
}

void TMemTable::notifyReset()
{
    if (ControlsDisabled()) { pendingReset_ = true; return; }
    for (auto& d : dinleyiciler_)
        if (d.second.reset) d.second.reset();
}

int TMemTable::Dinle(Dinleyici d)
{
    dinleyiciler_.push_back({++sonId_, std::move(d)});
    return sonId_;
}

void TMemTable::Birak(int id)
{
    for (int i = 0; i < dinleyiciler_.size(); ++i)
        if (dinleyiciler_[i].first == id) { dinleyiciler_.removeAt(i); return; }
}

void RowSetYukle(TMemTable& t, const protocol::RowSet& rs)
{
    t.DisableControls();
    struct Enable { TMemTable& t; ~Enable() { t.EnableControls(); } } enable{t};
    t.Close();
    auto& defs = t.FieldDefs();
    for (int i = 0; i < rs.columns.size(); ++i) {
        const auto& c = rs.columns[i];
        if (i < defs.size()) {
            if (defs[i].Name != c.name)
                throw EDatabaseError("Additional columns must be added after the prescribed columns.");
        } else {
            t.AddField(c.name, c.type, c.size);
        }
    }
    t.CreateDataSet();
    const int n = defs.size();
    for (const auto& row : rs.rows) {
        QVector<QVariant> r(row);
        if (r.size() != n) r.resize(n);
        t.AppendRow(std::move(r));
    }
    t.First();
}

void TutarFormatla(TMemTable& t)
{
    for (auto& d : t.FieldDefs())
        if (d.DataType == FieldType::Double) d.DisplayFormat = QStringLiteral("#,###,##0.00");
}

QString GosterimMetni(const TFieldDef& def, const QVariant& v)
{
    if (!v.isValid() || v.isNull()) return QString();
    const QLocale loc;
    switch (def.DataType) {
    case FieldType::Double:
        if (!def.DisplayFormat.isEmpty()) return loc.toString(v.toDouble(), 'f', 2);
        return loc.toString(v.toDouble(), 'g', 15);
    case FieldType::Currency: return loc.toString(v.toDouble(), 'f', 2);
    case FieldType::Integer: case FieldType::LargeInt:
        return QString::number(v.toLongLong());
    case FieldType::Date: return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case FieldType::DateTime: return v.toDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    case FieldType::Boolean: return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Blob: return QStringLiteral("(BLOB)");
    default: return v.toString();
    }
}

} // namespace mivo
