#pragma once

#include "sync/DocumentHost.h"

#include <QStringList>

#include <memory>

/// The application controller as the sync sees it: remembers the file name,
/// counts redraws and keeps a record of the progress windows.
class TestHost final : public DocumentHost
{
public:
    class Window final : public ProgressWindow
    {
    public:
        explicit Window(TestHost &host)
            : _host(host)
        {
        }
        void closeWindow() override { ++_host.closedWindows; }
        void offerCancel(std::function<void()> cancel) override
        {
            ++_host.cancelOffers;
            if (_host.cancelWhenOffered)
                cancel();
        }

    private:
        TestHost &_host;
    };

    [[nodiscard]] QString dataFileName() const override { return fileName; }
    void setFileName(const QString &path) override { fileName = path; }
    void fileMissing(const QString &path) override
    {
        fileName.clear();
        missing << path;
    }
    void initView() override { ++initViews; }
    [[nodiscard]] std::unique_ptr<ProgressWindow> startProgress(const QString &message) override
    {
        progress << message;
        return std::make_unique<Window>(*this);
    }

    QString fileName;
    int initViews = 0;
    QStringList progress;
    QStringList missing;
    int closedWindows = 0;
    int cancelOffers = 0;
    /// Presses Cancel as soon as the window offers it.
    bool cancelWhenOffered = false;
};

