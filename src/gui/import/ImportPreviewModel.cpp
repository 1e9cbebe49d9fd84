#include "ImportPreviewModel.h"

#include <QBrush>
#include <QColor>

ImportPreviewModel::ImportPreviewModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ImportPreviewModel::setPlan(ImportPlan plan)
{
    beginResetModel();
    _plan = std::move(plan);
    endResetModel();
}

QString ImportPreviewModel::setParts(int row, const QList<PlannedPart> &parts, const QLocale &locale)
{
    const QString refusal = _plan.setParts(row, parts, locale);
    if (refusal.isEmpty()) {
        emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
        emit lineEdited(row);
    }
    return refusal;
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(_plan.lines().size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const PlannedLine &line = _plan.lines()[index.row()];
    switch (role) {
    case Qt::CheckStateRole:
        if (column(index) == Column::Tick)
            return line.ticked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (column(index)) {
        case Column::Tick:
            return {};
        case Column::Date:
            return line.source.date.toString(Qt::ISODate);
        case Column::Description:
            return line.description;
        case Column::Amount:
            return line.amount;
        case Column::Category:
            return role == Qt::DisplayRole ? ImportPlan::categoryText(line) : line.category;
        case Column::State:
            return ImportPlan::stateText(line);
        }
        return {};
    case Qt::ToolTipRole:
        if (column(index) == Column::Description && !line.note.isEmpty())
            return line.note;
        if (column(index) == Column::Category && line.isSplit())
            return tr("A split: Split… changes its parts or puts it back whole.");
        if (column(index) == Column::Category)
            return sourceText(line.categorySource);
        return {};
    case Qt::AccessibleTextRole:
        if (column(index) != Column::Tick)
            return {};
        if (line.correction)
            return line.ticked ? tr("Book the bank's amount") : tr("Keep the entered amount");
        return line.ticked ? tr("Import") : tr("Leave out");
    case Qt::TextAlignmentRole:
        if (column(index) == Column::Amount)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ForegroundRole:
        if (line.state() == LineState::OtherYear || line.state() == LineState::Duplicate)
            return QBrush(QColor(Qt::gray));
        if (column(index) == Column::Amount && line.amount.startsWith(u'-'))
            return QBrush(QColor(Qt::red));
        if (column(index) == Column::State && line.state() == LineState::NeedsCategory)
            return QBrush(QColor(Qt::darkRed));
        return {};
    default:
        return {};
    }
}

bool ImportPreviewModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const PlannedLine before = _plan.lines()[index.row()];
    bool changed = false;
    if (column(index) == Column::Tick && role == Qt::CheckStateRole) {
        const bool ticked = value.value<Qt::CheckState>() == Qt::Checked;
        changed = ticked != before.ticked && _plan.setTicked(index.row(), ticked);
    } else if (column(index) == Column::Category && role == Qt::EditRole) {
        // A name the budget lacks becomes a category the import creates.
        const QString category = value.toString().trimmed();
        if (category != before.category && !_plan.categories().contains(category))
            (void)_plan.addCategory(category);
        changed = category != before.category && _plan.setCategory(index.row(), category);
    }
    if (!changed)
        return false;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), kColumnCount - 1));
    emit lineEdited(index.row());
    return true;
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    const PlannedLine &line = _plan.lines()[index.row()];
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (column(index) == Column::Tick && line.canTick())
        flags |= Qt::ItemIsUserCheckable;
    if (column(index) == Column::Category && line.month >= 0 && !line.isSplit())
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (Column(section)) {
    case Column::Tick:
        return tr("Import");
    case Column::Date:
        return tr("Date");
    case Column::Description:
        return tr("Description");
    case Column::Amount:
        return tr("Amount");
    case Column::Category:
        return tr("Category");
    case Column::State:
        return tr("State");
    }
    return {};
}

QString ImportPreviewModel::sourceText(CategorySource source)
{
    switch (source) {
    case CategorySource::None:
        return tr("Choose a category: no rule and no earlier entry names one.");
    case CategorySource::Rule:
        return tr("From one of your rules.");
    case CategorySource::Lookup:
        return tr("As entered before under this description.");
    case CategorySource::Chosen:
        return tr("Chosen here.");
    }
    return {};
}
