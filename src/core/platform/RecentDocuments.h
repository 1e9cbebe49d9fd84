#pragma once

#include <QString>

/// The desktop's list of recently opened documents.
class RecentDocuments
{
public:
    virtual ~RecentDocuments() = default;
    virtual void noteNewRecentDocument(const QString &path) = 0;
};
