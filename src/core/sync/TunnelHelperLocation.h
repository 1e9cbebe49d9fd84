#pragma once

#include <QString>

/// Where the tunnel helper "Pellmarsh.app" lies and which file in it runs.
///
/// The helper is a folder, "Pellmarsh.app", in the program's resources
/// folder; its executable is the file named after the folder without ".app"
/// directly inside it: `<resources>/Pellmarsh.app/Pellmarsh`.
///
/// The resources folder follows the program's own place:
/// - installed, the program lies in `<prefix>/bin` and its resources in
///   `<prefix>/share/orrinwick`, so the helper is
///   `<prefix>/share/orrinwick/Pellmarsh.app/Pellmarsh`;
/// - anywhere else (the build tree) the resources folder is the program's own
///   folder, so the helper lies beside the built binary:
///   `<build>/Pellmarsh.app/Pellmarsh`.
class TunnelHelperLocation final
{
public:
    /// The helper in the given resources folder.
    explicit TunnelHelperLocation(const QString &resourcesFolder);

    /// The resources folder of a program that lies in `programFolder`.
    [[nodiscard]] static QString resourcesFolderFor(const QString &programFolder);
    /// The resources folder of the running program.
    [[nodiscard]] static QString resourcesFolder();

    /// `<resources>/Pellmarsh.app`.
    [[nodiscard]] QString bundlePath() const { return _bundlePath; }
    /// The helper's executable inside the bundle.
    [[nodiscard]] QString executablePath() const;

private:
    QString _bundlePath;
};
