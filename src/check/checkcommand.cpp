#include "checkcommand.h"

#include "catalogueloader.h"
#include "console.h"
#include "listcheck.h"

namespace {

const char ProgramName[] = "function-mapping-check";

enum class Option { None, Help, Version, List };

// A long option or any unambiguous start of one, as getopt takes them.
Option longOption(const QString &argument)
{
    const QString name = argument.mid(2);
    const struct
    {
        const char *name;
        Option option;
    } options[] = {{"help", Option::Help}, {"list", Option::List}, {"version", Option::Version}};
    Option found = Option::None;
    for (const auto &candidate : options) {
        const QLatin1String full(candidate.name);
        if (name == full)
            return candidate.option;
        if (!name.isEmpty() && full.startsWith(name))
            found = found == Option::None ? candidate.option : Option::None;
    }
    return found;
}

} // namespace

void CheckCommand::complain(const QString &message)
{
    Console::print(stderr, QLatin1String(ProgramName) + QLatin1String(": ") + message + QLatin1Char('\n'));
}

int CheckCommand::run(const QStringList &arguments)
{
    bool list = false;
    bool optionsEnd = false;
    QStringList files;
    for (const QString &argument : arguments) {
        if (optionsEnd || argument == QLatin1String("-") || !argument.startsWith(QLatin1Char('-'))) {
            files.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }
        const Option option = argument.startsWith(QLatin1String("--")) ? longOption(argument)
                              : argument == QLatin1String("-l")        ? Option::List
                                                                       : Option::None;
        switch (option) {
        case Option::Help:
            Console::print(stdout, helpText());
            return NothingFound;
        case Option::Version:
            Console::print(stdout, versionText());
            return NothingFound;
        case Option::List:
            list = true;
            break;
        case Option::None:
            complain(argument.startsWith(QLatin1String("--")) ? tr("unrecognized option '%1'").arg(argument)
                                                               : tr("invalid option -- '%1'").arg(argument.mid(1)));
            Console::print(stderr, tr("Try '%1 --help' for more information.\n").arg(QLatin1String(ProgramName)));
            return Trouble;
        }
    }
    if (files.isEmpty())
        files.append(QStringLiteral("decoders.ini"));

    Status status = NothingFound;
    for (const QString &path : files)
        status = qMax(status, checkFile(path, list));
    return status;
}

CheckCommand::Status CheckCommand::checkFile(const QString &path, bool list)
{
    DefinitionFile file(path);
    switch (file.state()) {
    case DefinitionFile::Opened:
        break;
    case DefinitionFile::Missing:
        complain(tr("%1: no such file, so Function Mapping would list no decoder types").arg(path));
        return Trouble;
    case DefinitionFile::Folder:
        complain(tr("%1: is a folder, not a file").arg(path));
        return Trouble;
    case DefinitionFile::NotRegular:
        complain(tr("%1: not a regular file, which Function Mapping does not read").arg(path));
        return Trouble;
    case DefinitionFile::Unreadable:
        complain(tr("%1: cannot be read: %2").arg(path, file.errorString()));
        return Trouble;
    }
    const CheckResult result = ListCheck::check(file, path);

    if (list) {
        Console::printUtf8(result.listing());
        return NothingFound;
    }

    QString report;
    for (const Finding &finding : result.findings) {
        report += QStringLiteral("%1:%2:%3: warning: ").arg(path).arg(finding.line).arg(finding.column)
                  + finding.message + QLatin1Char('\n');
    }
    const int types = result.shownTypes();
    const int warnings = result.findings.size();
    const QString typeCount = types == 1 ? tr("1 decoder type") : tr("%1 decoder types").arg(types);
    const QString warningCount = warnings == 0 ? tr("no warnings")
                                 : warnings == 1 ? tr("1 warning")
                                                 : tr("%1 warnings").arg(warnings);
    report += tr("%1: %2, %3").arg(path, typeCount, warningCount) + QLatin1Char('\n');
    Console::print(stdout, report);
    return warnings == 0 ? NothingFound : SomethingFound;
}

QString CheckCommand::helpText()
{
    return tr("Usage: %1 [OPTION]... [FILE]...\n"
              "Check decoder lists for Function Mapping: report every line that the program\n"
              "ignores although it looks meant, or reads otherwise than it looks.\n"
              "With no FILE, check decoders.ini in the current folder, as the program reads it.\n"
              "\n"
              "  -l, --list     print the decoder types as the program shows them, written as\n"
              "                 a decoders.ini, instead of checking\n"
              "      --help     display this help and exit\n"
              "      --version  output version information and exit\n"
              "\n"
              "Each finding is one line, FILE:LINE:COLUMN: warning: what happens, and why.\n"
              "Exit status is 0 if nothing was found, 1 if something was, and 2 if a file\n"
              "could not be read or an option was wrong.\n")
        .arg(QLatin1String(ProgramName))
           + contactText();
}

// Only the addresses the build was given: none is better than one that leads nowhere.
QString CheckCommand::contactText()
{
    QString text;
    if (qstrlen(FM_BUG_ADDRESS) > 0)
        text += tr("Report bugs to: %1\n").arg(QStringLiteral(FM_BUG_ADDRESS));
    if (qstrlen(FM_HOMEPAGE) > 0)
        text += tr("Function Mapping home page: <%1>\n").arg(QStringLiteral(FM_HOMEPAGE));
    return text.isEmpty() ? text : QLatin1Char('\n') + text;
}

QString CheckCommand::versionText()
{
    return tr("%1 (Function Mapping) %2\n"
              "Copyright (C) 2026 Function Mapping maintainers\n"
              "License MIT: <https://opensource.org/licenses/MIT>.\n"
              "This is free software: you are free to change and redistribute it.\n"
              "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(QLatin1String(ProgramName), QStringLiteral(FM_VERSION));
}
