#include "toolchain/debugcommands.h"

#include "editor/tsynjavasyn.h"
#include "toolchain/consolebuffer.h"

#include <QRegularExpression>

namespace DebugCommands {

QStringList dumpCommands(const QStringList& watches)
{
    QStringList commands;
    for (const QString& w : watches)
        commands << QStringLiteral("dump ") + w;
    return commands;
}

QStringList breakpointCommands(const std::vector<int>& markLines, const QString& mainClass)
{
    QStringList commands;
    for (int line : markLines)
        commands << QStringLiteral("stop at %1:%2").arg(mainClass, QString::number(line));
    return commands;
}

QByteArray commandBytes(QStringView text)
{
    return ConsoleBuffer::trimControls(text).toUtf8() + '\n';
}

std::optional<quint16> listeningPort(QStringView line)
{
    static const QRegularExpression rx(QStringLiteral("Listening for transport dt_socket at address: (\\d{1,5})\\s*$"));
    const QRegularExpressionMatch m = rx.match(line.toString());
    if (!m.hasMatch())
        return std::nullopt;
    const int port = m.capturedView(1).toInt();
    if (port <= 0 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

std::optional<QString> watchedIdentifier(const QString& line)
{
    const QByteArray bytes = line.toUtf8();
    TSynJavaSyn java;
    java.SetLine(std::string_view(bytes.constData(), std::size_t(bytes.size())), 0);
    QString identifier;
    for (; !java.GetEol(); java.Next()) {
        switch (java.GetTokenKind()) {
        case TokenKind::Identifier: {
            const std::string_view token = java.GetToken();
            identifier = QString::fromUtf8(token.data(), qsizetype(token.size()));
            break;
        }
        case TokenKind::Symbol:
            if (identifier.isEmpty())
                return std::nullopt;
            return identifier;
        default:
            break;
        }
    }
    return std::nullopt;
}

QString outerClass(const QString& className)
{
    const qsizetype dollar = className.indexOf(u'$');
    return dollar < 0 ? className : className.left(dollar);
}

} // namespace DebugCommands
