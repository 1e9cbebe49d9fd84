#pragma once

#include <QString>
#include <QTemporaryDir>

/// The sample budget that comes with the program, handed out as a copy in a
/// temporary folder, so that neither the sample nor the user's own file is
/// changed by trying it out. The folder goes when this object does.
class SampleBudget final
{
public:
    SampleBudget() = default;
    Q_DISABLE_COPY_MOVE(SampleBudget)

    /// The sample within the program.
    static inline const QString kResource = QStringLiteral(":/examples/household-2026.txt");

    /// A fresh copy of the sample, or nothing when it could not be written.
    [[nodiscard]] QString makeCopy();
    /// Where the copy lies (also before it is made).
    [[nodiscard]] QString copyPath() const;

private:
    QTemporaryDir _folder;
};
