#include "DesktopRecentDocuments.h"

#include <QFileInfo>

#include <glib.h>

#include <memory>

namespace {

struct GFreeDeleter
{
    void operator()(gchar *text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFreeDeleter>;

struct BookmarkFileDeleter
{
    void operator()(GBookmarkFile *file) const { g_bookmark_file_free(file); }
};

} // namespace

void DesktopRecentDocuments::noteNewRecentDocument(const QString &path)
{
    const QByteArray absolute = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    const GText uri(g_filename_to_uri(absolute.constData(), nullptr, nullptr));
    if (!uri)
        return;
    const GText listPath(g_build_filename(g_get_user_data_dir(), "recently-used.xbel", nullptr));

    std::unique_ptr<GBookmarkFile, BookmarkFileDeleter> list(g_bookmark_file_new());
    // A missing or unreadable list starts afresh; the desktop's list is a convenience, never a reason to fail.
    g_bookmark_file_load_from_file(list.get(), listPath.get(), nullptr);
    g_bookmark_file_set_mime_type(list.get(), uri.get(), kMimeType);
    g_bookmark_file_add_application(list.get(), uri.get(), "Orrinwick", "orrinwick %u");
    g_bookmark_file_to_file(list.get(), listPath.get(), nullptr);
}
