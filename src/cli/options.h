// SPDX-License-Identifier: MIT
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <span>

namespace phodex::cli {

// A long option, written "--name VALUE" or "--name=VALUE" when it takes a value.
struct OptionSpec {
    const char* name;      // without the dashes
    const char* valueName; // nullptr for a flag
    bool repeatable;
    const char* help;
};

// The options every command understands; a command adds its own in its table row.
std::span<const OptionSpec> globalOptions();

struct ParsedOptions {
    QMap<QString, QStringList> values; // name -> the values in the order given ("" for a flag)

    bool has(const QString& name) const { return values.contains(name); }
    // The last value given, or fallback.
    QString value(const QString& name, const QString& fallback = QString()) const;
    QStringList all(const QString& name) const { return values.value(name); }
};

} // namespace phodex::cli
