#pragma once

#include "document/Decimal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <memory>
#include <unordered_map>

class BudgetDocument;
class DocumentExtensions;

/// Last year's budget as this year's planning reads it: only read, never
/// written, locked, committed or recovered, and read again once it changed
/// on disk. A file that is not there or does not read is a note for the
/// place that needed it, never an error.
class LastYearBudget final
{
    Q_DECLARE_TR_FUNCTIONS(LastYearBudget)

public:
    LastYearBudget();
    ~LastYearBudget();
    Q_DISABLE_COPY_MOVE(LastYearBudget)

    /// Reads the file that the budget at `thisPath` links to; none without a link.
    void follow(const DocumentExtensions &thisYear, const QString &thisPath);
    /// Reads the file at `path`; an empty path forgets the file.
    void open(const QString &path);
    /// Reads the file again when it changed since it was read; answers
    /// whether what it holds may have changed.
    bool refresh();

    [[nodiscard]] QString path() const { return _path; }
    [[nodiscard]] bool isLinked() const { return !_path.isEmpty(); }
    [[nodiscard]] bool isLoaded() const { return _document != nullptr; }
    /// Why last year's figures are missing ("Last year's budget
    /// household-2025.txt is not there"); empty when it is read or not linked.
    [[nodiscard]] QString note() const;
    /// The budget read, its figures in envelope mode; none when not read.
    [[nodiscard]] const BudgetDocument *document() const { return _document.get(); }

    /// Last year's name of one of this year's categories: the one matched by
    /// hand (`;@renamed`), else the same name; empty when last year has none.
    [[nodiscard]] QString matchOf(const DocumentExtensions &thisYear, const QString &category) const;
    /// What was booked in last year's category in month 0–11 (every
    /// category for an empty name); 0 when not read.
    [[nodiscard]] Decimal booked(const QString &lastName, int month) const;
    /// The envelope of last year's category for month 0–11, or the month's
    /// typed budget for an empty name; "0" when not read.
    [[nodiscard]] QString budgetOf(const QString &lastName, int month) const;
    /// December's figure of each of last year's categories that carries,
    /// under the name of this year's category it is matched to.
    [[nodiscard]] std::unordered_map<QString, QString> closingFor(const BudgetDocument &thisYear) const;

private:
    void read();

    QString _path;
    QDateTime _modified;
    qint64 _size = -1;
    bool _unreadable = false;
    std::unique_ptr<BudgetDocument> _document;
};
