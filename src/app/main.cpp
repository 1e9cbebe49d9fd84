#include "CommandLineModes.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCoreApplication app(argc, argv);
    if (const std::optional<int> status = CommandLineModes::run(arguments))
        return *status;
    return CommandLineModes::run({QStringLiteral("--help")}).value_or(0);
}
