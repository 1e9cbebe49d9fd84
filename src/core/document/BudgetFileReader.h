#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class Alerts;
class BudgetDocument;
class RecentDocuments;

/// Reads a data file of either version into a document that the caller has
/// emptied (eraseAllData), then recomputes it.
namespace BudgetFileReader {

enum class LoadResult {
    Loaded,
    Missing,         // no such file
    NotFound,        // unreadable, or no data line
    NotABudgetFile,  // the first data line is neither a number nor a version line
};

struct Options
{
    bool sortData = true;           // sort each month's items by day
    /// For a reader that wants only the grid's figures (--report): each
    /// category's month keeps its envelope entry and, when it has items, one
    /// entry whose amount is their exact sum, so the document's own
    /// recomputation gives the figures of the whole file. The rest of the
    /// items are not kept, so the document is good for its figures only.
    bool figuresOnly = false;
    RecentDocuments *recents = nullptr; // told of every file that loads
    /// Whether loadFile() warns of a file that is not there; a caller that
    /// offers to look for it says no.
    bool warnWhenMissing = true;
    /// Given the file's bytes as loadFile() read them, so that whoever keeps
    /// track of the file on disk need not read it again.
    std::function<void(const QByteArray &bytes)> bytesRead;
};

/// Loads the bytes of a data file.
LoadResult loadBytes(BudgetDocument &document, const QByteArray &bytes, const Options &options);

/// Loads the file at the path; a file that does not load is reported through
/// the alerts ("WARNING") and changes nothing.
LoadResult loadFile(BudgetDocument &document, const QString &path, Alerts &alerts, const Options &options);

} // namespace BudgetFileReader
