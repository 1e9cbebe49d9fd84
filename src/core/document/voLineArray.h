#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

/// Reads a whole file and hands out its lines, split at every CR LF pair,
/// skipping comment lines (those beginning with ";"). The bytes are kept
/// once and each line is found and decoded when it is asked for: UTF-8
/// where it is valid, otherwise byte for byte as Latin-1, so no byte is
/// ever dropped.
class voLineArray final
{
public:
    /// Opens and reads the file at the path; an unreadable file (or one
    /// that is no regular file, or too large) gives a reader that is at its
    /// end at once, has no lines and tells why in readError().
    explicit voLineArray(const QString &path);
    /// A reader over bytes already in memory.
    [[nodiscard]] static voLineArray fromBytes(QByteArray bytes);

    /// The next non-comment line, or none when the lines have run out.
    [[nodiscard]] std::optional<QString> getNextLine();
    /// The same line as undecoded bytes, valid as long as this reader.
    [[nodiscard]] std::optional<QByteArrayView> getNextLineBytes();
    /// The size of the text read, in bytes.
    [[nodiscard]] qsizetype byteCount() const { return _bytes.size(); }
    /// True once every line has been handed out (or skipped as a comment).
    [[nodiscard]] bool atEnd() const { return !_fileValid || _getIndex > _bytes.size(); }
    [[nodiscard]] QStringList lines() const;
    /// The record lines (";@…") that follow the extension section's header
    /// line, wherever it stands, decoded; none when the file has no header.
    [[nodiscard]] QStringList extensionLines() const;
    /// Why the file could not be read; empty when it was, or was not there.
    [[nodiscard]] QString readError() const { return _readError; }
    /// Whether there was no file at the path.
    [[nodiscard]] bool missing() const { return _missing; }
    /// The bytes as they were read, with the byte order mark the lines leave out.
    [[nodiscard]] QByteArray bytesAsRead() const;

    /// A line's text: UTF-8, or Latin-1 when the bytes are not valid UTF-8.
    [[nodiscard]] static QString decode(QByteArrayView bytes);

private:
    voLineArray() = default;
    void takeBytes(QByteArray bytes);
    /// The line that starts at `start`, without its CR LF.
    [[nodiscard]] QByteArrayView lineAt(qsizetype start) const;

    bool _fileValid = false;
    bool _missing = false;
    bool _byteOrderMark = false;
    QString _readError;
    QByteArray _bytes;
    // Where the next line starts; past the end once the last line (the one
    // after the final CR LF, empty then) has been handed out.
    qsizetype _getIndex = 0;
};
