// SPDX-License-Identifier: MIT
#include "cli/cmdline.h"

namespace phodex::cli {
namespace {

const OptionSpec* findIn(std::span<const OptionSpec> specs, const QString& name) {
    for (const OptionSpec& option : specs) {
        if (name == QLatin1String(option.name)) {
            return &option;
        }
    }
    return nullptr;
}

class Parser {
public:
    Parser(const QStringList& arguments, CommandLine& line, QString& error)
        : m_arguments(arguments), m_line(line), m_error(error) {}

    bool run() {
        bool optionsEnded = false;
        for (m_next = 0; m_next < m_arguments.size();) {
            const QString& word = m_arguments[m_next++];
            if (!optionsEnded && word == QLatin1String("--")) {
                optionsEnded = true;
            } else if (!optionsEnded && word == QLatin1String("-h")) {
                m_line.help = true;
            } else if (!optionsEnded && word.startsWith(u'-') && word.size() > 1) {
                if (!takeOption(word)) {
                    return false;
                }
            } else if (!takePositional(word)) {
                return false;
            }
        }
        return m_line.help || m_line.version || checkCommand();
    }

private:
    bool takeOption(const QString& word) {
        if (!word.startsWith(QLatin1String("--"))) {
            return fail(QStringLiteral("unknown option '%1'").arg(word));
        }
        const qsizetype equals = word.indexOf(u'=');
        const QString name = word.mid(2, equals < 0 ? -1 : equals - 2);
        const OptionSpec* option = findSpec(name);
        if (!option) {
            return fail(QStringLiteral("unknown option '--%1'").arg(name));
        }
        QString value;
        if (!option->valueName) {
            if (equals >= 0) {
                return fail(QStringLiteral("option '--%1' takes no value").arg(name));
            }
        } else if (equals >= 0) {
            value = word.mid(equals + 1);
        } else if (m_next < m_arguments.size()) {
            value = m_arguments[m_next++];
        } else {
            return fail(
                QStringLiteral("option '--%1' needs a value %2").arg(name, option->valueName));
        }
        if (!option->repeatable && m_line.options.has(name)) {
            return fail(QStringLiteral("option '--%1' given more than once").arg(name));
        }
        m_line.options.values[name].append(value);
        m_line.help = m_line.help || name == QLatin1String("help");
        m_line.version = m_line.version || name == QLatin1String("version");
        return true;
    }

    // A command's own options are known only once its name has been read.
    const OptionSpec* findSpec(const QString& name) const {
        if (const OptionSpec* option = findIn(globalOptions(), name)) {
            return option;
        }
        return m_line.command ? findIn(m_line.command->options, name) : nullptr;
    }

    bool takePositional(const QString& word) {
        if (m_line.command) {
            m_line.args.append(word);
            return true;
        }
        m_line.command = findCommand(word);
        return m_line.command ? true : fail(QStringLiteral("unknown command '%1'").arg(word));
    }

    bool checkCommand() {
        if (!m_line.command) {
            return fail(QStringLiteral("no command given (see phodex-cli --help)"));
        }
        const Command& command = *m_line.command;
        const qsizetype count = m_line.args.size();
        if (count < command.minArgs || count > command.maxArgs) {
            return fail(QStringLiteral("wrong number of arguments for '%1' (usage: phodex-cli "
                                       "[options] %2)")
                            .arg(QLatin1String(command.name), commandSynopsis(command)));
        }
        return true;
    }

    bool fail(const QString& message) {
        m_error = message;
        return false;
    }

    const QStringList& m_arguments;
    CommandLine& m_line;
    QString& m_error;
    qsizetype m_next = 0;
};

} // namespace

bool parseCommandLine(const QStringList& arguments, CommandLine& line, QString& error) {
    line = CommandLine{};
    return Parser(arguments, line, error).run();
}

} // namespace phodex::cli
