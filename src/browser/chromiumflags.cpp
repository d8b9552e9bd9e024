// SPDX-License-Identifier: MIT
#include "browser/chromiumflags.h"

namespace phodex {
namespace {

// The four fields of a connect-to rule; a host may be an IPv6 address in brackets.
QStringList SplitConnectTo(const QString& rule) {
    QStringList fields{QString()};
    bool inBrackets = false;
    for (const QChar c : rule) {
        if (c == u'[')
            inBrackets = true;
        else if (c == u']')
            inBrackets = false;
        if (c == u':' && !inBrackets)
            fields << QString();
        else
            fields.last() += c;
    }
    return fields;
}

QString HostAndPort(const QString& host, const QString& port) {
    return port.isEmpty() ? host : host + u':' + port;
}

} // namespace

QString HostResolverRule(const QString& connectTo) {
    const QStringList fields = SplitConnectTo(connectTo);
    if (fields.size() != 4 || fields[2].isEmpty())
        return {};
    const QString pattern =
        HostAndPort(fields[0].isEmpty() ? QStringLiteral("*") : fields[0], fields[1]);
    return QStringLiteral("MAP %1 %2").arg(pattern, HostAndPort(fields[2], fields[3]));
}

QStringList ChromiumSwitchesFor(const NetConfig& config) {
    QStringList rules;
    for (const QString& rule : config.connectTo) {
        const QString mapping = HostResolverRule(rule);
        if (!mapping.isEmpty())
            rules << mapping;
    }
    QStringList switches;
    if (!rules.isEmpty())
        switches << QStringLiteral("--host-resolver-rules=") + rules.join(u',');
    if (config.proxy && config.proxy->isEmpty())
        switches << QStringLiteral("--no-proxy-server");
    else if (config.proxy)
        switches << QStringLiteral("--proxy-server=") + *config.proxy;
    return switches;
}

QString AppendChromiumFlags(const QString& existing, const QStringList& switches) {
    QStringList parts;
    if (!existing.trimmed().isEmpty())
        parts << existing.trimmed();
    for (const QString& option : switches)
        parts << (option.contains(u' ') ? u'"' + option + u'"' : option);
    return parts.join(u' ');
}

} // namespace phodex
