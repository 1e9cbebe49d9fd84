#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

/// Reads a whole file and hands out its lines, split at every CR LF pair,
/// skipping comment lines (those beginning with ";"). The bytes are kept
/// once and each line is decoded when it is asked for: UTF-8 where it is
/// valid, otherwise byte for byte as Latin-1, so no byte is ever dropped.
class voLineArray final
{
public:
    /// Opens and reads the file at the path; an unreadable file gives a
    /// reader whose fileValid() is false and which has no lines.
    explicit voLineArray(const QString &path);
    /// A reader over bytes already in memory.
    [[nodiscard]] static voLineArray fromBytes(QByteArray bytes);

    /// The next non-comment line, or none when the lines have run out.
    [[nodiscard]] std::optional<QString> getNextLine();
    void resetLineIndex() { _getIndex = 0; }
    /// True once every line has been handed out (or skipped as a comment).
    [[nodiscard]] bool atEnd() const { return _getIndex + 1 >= _lineStarts.size(); }
    [[nodiscard]] QStringList lines() const;
    [[nodiscard]] bool fileValid() const { return _fileValid; }

private:
    voLineArray() = default;
    void split();
    [[nodiscard]] QString lineAt(std::size_t index) const;
    [[nodiscard]] bool isComment(std::size_t index) const;

    bool _fileValid = false;
    QByteArray _bytes;
    std::vector<qsizetype> _lineStarts; // each line runs to the next start minus CR LF
    std::size_t _getIndex = 0;
};
