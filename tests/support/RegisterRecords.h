#pragma once

#include "register/voCheckViewData.h"

#include <QAbstractItemModel>
#include <QStringList>

/// How the tests read the register: its columns by identifier, its records
/// by description and as text.
namespace RegisterRecords {

inline int columnOf(const QString &id)
{
    return int(voCheckViewData::columnIds().indexOf(id));
}

/// The texts a register model shows in the column, top to bottom.
inline QStringList column(const QAbstractItemModel &model, const QString &id)
{
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values.append(model.index(row, columnOf(id)).data().toString());
    return values;
}

/// The row of the first record with the description, or -1.
inline int rowOf(const QAbstractItemModel &model, const QString &desc)
{
    return int(column(model, QStringLiteral("desc")).indexOf(desc));
}

/// The cell of the first record with the description, in the column.
inline QModelIndex cellOf(const QAbstractItemModel &model, const QString &desc, const QString &id)
{
    return model.index(rowOf(model, desc), columnOf(id));
}

/// Every record as "day|desc|category|amount|note|mark", in register order.
inline QStringList lines(const voCheckViewData &data)
{
    QStringList lines;
    for (int row = 0; row < data.recordCount(); ++row) {
        const RegisterRecord &r = data.recordAt(row);
        lines << QStringList{r.day, r.desc, r.category, r.amount, r.note, r.reconciled}.join(u'|');
    }
    return lines;
}

} // namespace RegisterRecords
