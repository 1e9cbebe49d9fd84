#include "WindowApplication.h"

#include "CommandLineModes.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QtMessageHandler passOn = nullptr;
QList<HeldMessage> *held = nullptr;

const char *orNull(const QByteArray &bytes)
{
    return bytes.isNull() ? nullptr : bytes.constData();
}

void holdOrEnd(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt's reasons (no connection to the display, the plugin that could not
    // start) would only bury the one line that says what to do.
    if (type == QtFatalMsg) {
        const QByteArray line = CommandLineModes::noDisplayLine();
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    held->append({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

std::unique_ptr<QApplication> startWindowApplication(int &argc, char **argv)
{
    QList<HeldMessage> messages;
    held = &messages;
    passOn = qInstallMessageHandler(holdOrEnd);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(passOn);
    held = nullptr;
    for (const HeldMessage &message : std::as_const(messages)) {
        const QMessageLogContext context(orNull(message.file), message.line, orNull(message.function),
                                         orNull(message.category));
        passOn(message.type, context, message.text);
    }
    return application;
}
