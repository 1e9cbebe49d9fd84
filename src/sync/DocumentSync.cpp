#include "DocumentSync.h"

#include "DocumentHost.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "platform/Alerts.h"
#include "platform/Settings.h"

DocumentSync::DocumentSync(BudgetDocument &document, DocumentHost &host, Settings &settings, Alerts &alerts,
                           RecentDocuments *recents, QObject *parent)
    : QObject(parent)
    , _document(document)
    , _host(host)
    , _settings(settings)
    , _alerts(alerts)
    , _recents(recents)
{
}

void DocumentSync::loadFromFile(const QString &path, bool withOptionSync, bool detach)
{
    Q_UNUSED(withOptionSync)
    Q_UNUSED(detach)
    _svnOpenState = false;
    if (!path.isEmpty()) {
        _document.eraseAllData();
        if (!fileOperationsAllowed())
            return;
        loadFile(path);
    }
    _host.initView();
}

bool DocumentSync::loadFile(const QString &path)
{
    BudgetFileReader::Options options;
    options.sortData = _settings.sortData();
    options.recents = _recents;
    if (BudgetFileReader::loadFile(_document, path, _alerts, options) == BudgetFileReader::LoadResult::Loaded)
        return true;
    _host.setFileName(QString());
    return false;
}

bool DocumentSync::saveToFile(const QString &path, bool withOptionSync)
{
    Q_UNUSED(withOptionSync)
    if (path.isEmpty())
        return true;
    if (!fileOperationsAllowed())
        return false;
    if (!BudgetFileWriter::writeFile(_document, path)) {
        _alerts.warning(Alerts::format(QStringLiteral("Data File %@ could not be opened for write!\n"), path));
        return false;
    }
    return true;
}

bool DocumentSync::fileOperationsAllowed()
{
    if (!_allowFileOperations)
        _alerts.warning(QStringLiteral("File operations not allowed due to SVN sync failure!\n"));
    return _allowFileOperations;
}
