#pragma once
// The client-side in-memory table: named typed columns, rows, a current record.
// A worker may fill it only while no model is attached (detach, fill, reattach).
#include "protocol/value.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <stdexcept>

namespace mivo {

class EDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TFieldDef {
    QString Name;
    protocol::FieldType DataType = protocol::FieldType::String;
    int Size = 0;
    QString DisplayFormat;   // "#,###,##0.00" after TutarFormatla
};

class TMemTable {
public:
    // What an attached model hears about. Only delivered while controls are enabled.
    struct Dinleyici {
        std::function<void()> reset;              // rows or columns changed wholesale
        std::function<void(int row)> rowChanged;  // one row edited
        std::function<void(int row)> currentChanged;
    };

    QString Name;

    // Definitions
    const QVector<TFieldDef>& FieldDefs() const { return defs_; }
    QVector<TFieldDef>& FieldDefs() { return defs_; }
    int FieldCount() const { return defs_.size(); }
    int FieldIndex(QStringView name) const;   // case-insensitive, -1 when absent
    void AddField(const QString& name, protocol::FieldType t, int size = 0);

    // State
    bool Active() const { return active_; }
    void Open();
    void Close();           // discards every row
    void CreateDataSet();   // open, empty, with the current definitions
    void EmptyTable();      // keep the definitions, drop the rows
    int RecordCount() const { return active_ ? rows_.size() : 0; }

    // Cursor
    int RecNo() const { return cur_; }   // 0-based; -1 when empty
    void SetRecNo(int r);
    void First();
    void Next();
    void Last();
    bool Eof() const { return !active_ || cur_ >= rows_.size() || rows_.isEmpty(); }
    bool Bof() const { return bof_; }
    bool Locate(QStringView field, const QVariant& value);

    // Values of the current record
    QVariant FieldValue(QStringView field) const;
    QString AsString(QStringView field) const;
    int AsInteger(QStringView field) const;
    double AsFloat(QStringView field) const;
    void SetFieldValue(QStringView field, const QVariant& v);   // on the current record; Edit first

    // Edit and post, as the grids' client-side overwrites need.
    void Edit();
    void Post();
    void Append();     // a new empty row, current, in edit
    void Delete();     // the current row

    // Direct access for models, loaders and exports.
    const QVariant& Cell(int row, int col) const;
    void SetCell(int row, int col, const QVariant& v);
    const QVector<QVector<QVariant>>& Rows() const { return rows_; }
    void AppendRow(QVector<QVariant> row);   // used by the loading rule

    // Notifications to bound controls
    void DisableControls() { ++disabled_; }
    void EnableControls();
    bool ControlsDisabled() const { return disabled_ > 0; }
    int Dinle(Dinleyici d);
    void Birak(int id);

private:
    void notifyReset();
    QVector<TFieldDef> defs_;
    QVector<QVector<QVariant>> rows_;
    bool active_ = false;
    bool editing_ = false;
    bool bof_ = true;
    int cur_ = -1;
    int disabled_ = 0;
    bool pendingReset_ = false;
    QVector<QPair<int, Dinleyici>> dinleyiciler_;
    int sonId_ = 0;
};

// The loading rule: a row set into a table, position-by-position column matching.
// Throws EDatabaseError "Additional columns must be added after the prescribed columns."
void RowSetYukle(TMemTable& t, const protocol::RowSet& rs);

// "#,###,##0.00" for exactly the double columns.
void TutarFormatla(TMemTable& t);

// The display text of a value under a column's format and the user's locale.
QString GosterimMetni(const TFieldDef& def, const QVariant& v);

} // namespace mivo
