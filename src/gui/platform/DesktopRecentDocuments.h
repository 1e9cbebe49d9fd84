#pragma once

#include "platform/RecentDocuments.h"

/// The freedesktop recently-used list ($XDG_DATA_HOME/recently-used.xbel)
/// that file choosers and launchers show, written through GLib's
/// bookmark-file API.
class DesktopRecentDocuments final : public RecentDocuments
{
public:
    /// The MIME type recorded for budget files.
    static constexpr const char *kMimeType = "application/x-orrinwick-budget";

    void noteNewRecentDocument(const QString &path) override;
};
