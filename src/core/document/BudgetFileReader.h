#pragma once

#include <QByteArray>
#include <QString>

class Alerts;
class BudgetDocument;
class RecentDocuments;

/// Reads a data file of either version into a document that the caller has
/// emptied (eraseAllData), then recomputes it.
namespace BudgetFileReader {

enum class LoadResult {
    Loaded,
    NotFound,        // no such file, unreadable, or no data line
    NotABudgetFile,  // the first data line is neither a number nor a version line
};

struct Options
{
    bool sortData = true;           // sort each month's items by day
    RecentDocuments *recents = nullptr; // told of every file that loads
};

/// Loads the bytes of a data file.
LoadResult loadBytes(BudgetDocument &document, const QByteArray &bytes, const Options &options);

/// Loads the file at the path; a file that does not load is reported through
/// the alerts ("WARNING") and changes nothing.
LoadResult loadFile(BudgetDocument &document, const QString &path, Alerts &alerts, const Options &options);

} // namespace BudgetFileReader
