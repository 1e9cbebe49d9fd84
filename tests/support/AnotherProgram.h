#pragma once

#include "DocumentFixtures.h"
#include "FileContents.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"

#include <QDateTime>
#include <QFile>

/// What another program does to a budget file while Orrinwick has it open:
/// an update in a terminal, a sync tool, a second computer.
namespace AnotherProgram {

/// Writes the file again with January's budget set to `budget`, and a
/// modification time a minute on, as a sync tool that keeps the remote
/// time would leave it.
[[nodiscard]] inline bool setBudget(const QString &path, const QString &budget)
{
    BudgetDocument document;
    BudgetFileReader::Options unsorted;
    unsorted.sortData = false;
    if (BudgetFileReader::loadBytes(document, fileContents(path), unsorted) != BudgetFileReader::LoadResult::Loaded)
        return false;
    DocumentFixtures::setBudget(document, 0, budget);
    if (!BudgetFileWriter::writeFile(document, path))
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
        && file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
}

/// Gives the file a newer modification time and nothing else.
[[nodiscard]] inline bool touch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
        && file.setFileTime(QDateTime::currentDateTime().addSecs(120), QFileDevice::FileModificationTime);
}

} // namespace AnotherProgram
