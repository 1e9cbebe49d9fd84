#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

/// One running program per user: a second start hands its file to the first
/// one (as a desktop open request) instead of opening a second window that
/// would save over the same file.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    /// The local socket of this user's session: in the runtime folder;
    /// empty without a private runtime folder.
    [[nodiscard]] static QString defaultServerName();

    explicit SingleInstance(QString serverName = defaultServerName(), QObject *parent = nullptr);
    ~SingleInstance() override;

    /// Whether there is a socket name to hand over through; without one
    /// every start runs a window of its own.
    [[nodiscard]] bool isPossible() const { return !_serverName.isEmpty(); }
    /// Hands the path (empty: only raise the window) to a program already
    /// running; answers whether one took it.
    [[nodiscard]] bool handOver(const QString &path) const;
    /// Becomes the running program that later starts hand over to. Answers
    /// false when the socket cannot be made, or when another program that
    /// started at the same moment has it (hand over to that one).
    bool listen();
    /// Whether a program has the socket and accepts connections on it.
    [[nodiscard]] bool isAnswering() const;

signals:
    /// Another start asked to bring the window forward.
    void raiseRequested();
    /// Another start asked to open this file.
    void openRequested(const QString &path);

private:
    void readRequest();

    QString _serverName;
    QLocalServer *_server = nullptr;
};
