#include "Settings.h"

#include <QSettings>

#include <algorithm>

Settings::Settings(std::unique_ptr<QSettings> store)
    : _store(std::move(store))
{
}

Settings::~Settings() = default;

std::unique_ptr<Settings> Settings::user()
{
    return std::unique_ptr<Settings>(new Settings(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orrinwick"), QStringLiteral("Orrinwick"))));
}

std::unique_ptr<Settings> Settings::inMemory()
{
    return std::unique_ptr<Settings>(new Settings(nullptr));
}

void Settings::registerDefaults()
{
    _defaults = {
        {kDataFile, QString()},
        {kCurrentVersion, QString()},
        {kSvnRunScript, false},
        {kSortData, true},
        {kSyncData, false},
        {kEnvelopeView, false},
        {kKeepBackups, true},
        {kBackupVersions, 20},
        {kBackupDays, 60},
        {kRecurringLookAhead, 0},
    };
}

bool Settings::hasUserValue(const QString &key) const
{
    return _store ? _store->contains(key) : _memory.contains(key);
}

QVariant Settings::value(const QString &key) const
{
    if (hasUserValue(key))
        return _store ? _store->value(key) : _memory.value(key);
    return _defaults.value(key);
}

int Settings::intValue(const QString &key, IntRange range) const
{
    bool isNumber = false;
    int number = value(key).toInt(&isNumber);
    if (!isNumber)
        number = _defaults.value(key).toInt();
    return std::clamp(number, range.min, range.max);
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    if (_store) {
        _store->setValue(key, value);
        _store->sync();
    } else {
        _memory.insert(key, value);
    }
}
