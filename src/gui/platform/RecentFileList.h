#pragma once

#include "platform/RecentDocuments.h"

#include <QStringList>

class Settings;

/// The files opened last, newest first, kept in the settings for the Open
/// Recent menu; every file is passed on to the desktop's list too.
class RecentFileList final : public RecentDocuments
{
public:
    static inline const QString kRecentFiles = QStringLiteral("RecentFiles");
    static constexpr int kMaximum = 10;

    explicit RecentFileList(Settings &settings, RecentDocuments *desktop = nullptr);

    void noteNewRecentDocument(const QString &path) override;
    [[nodiscard]] QStringList paths() const;
    void clear();

private:
    Settings &_settings;
    RecentDocuments *_desktop;
};
