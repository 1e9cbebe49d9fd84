#pragma once

#include "Handbook.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

/// The handbook: the contents on the left, the page on the right, Back and
/// Forward through the pages seen, and a search field that narrows the list
/// to the pages holding the words typed and marks them on the page. Links
/// between pages are followed in place.
class HandbookWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit HandbookWindow(QWidget *parent = nullptr, QString language = Handbook::userLanguage());
    ~HandbookWindow() override;
    Q_DISABLE_COPY_MOVE(HandbookWindow)

    /// Shows the page; the contents for a page the handbook does not have.
    void showPage(const QString &page);
    /// The page shown.
    [[nodiscard]] QString page() const;

    [[nodiscard]] QTextBrowser &browser() const { return *_browser; }
    [[nodiscard]] QLineEdit &searchField() const { return *_search; }
    /// The contents, or the pages found while the search field holds words.
    [[nodiscard]] QListWidget &pageList() const { return *_list; }

private:
    void fillList();
    void openListedPage();
    void pageShown();
    /// Selects the next place on the page that holds the first word searched.
    void findOnPage();

    QString _language;
    QPushButton *_back;
    QPushButton *_forward;
    QPushButton *_home;
    QLineEdit *_search;
    QListWidget *_list;
    QLabel *_found;
    QTextBrowser *_browser;
};
