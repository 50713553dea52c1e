#include "checkcommand.h"

#include "catalogueloader.h"
#include "console.h"
#include "listcheck.h"

namespace {

const char ProgramName[] = "function-mapping-check";

enum class Option { None, Help, Version, List, FromJmri, Model };

// A long option or any unambiguous start of one, as getopt takes them; the
// part after '=' is left for an option that takes a value.
Option longOption(const QString &argument)
{
    const QString name = argument.mid(2).section(QLatin1Char('='), 0, 0);
    const struct
    {
        const char *name;
        Option option;
    } options[] = {{"help", Option::Help},
                   {"list", Option::List},
                   {"version", Option::Version},
                   {"from-jmri", Option::FromJmri},
                   {"model", Option::Model}};
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
    QString jmriPath, model;
    bool fromJmri = false, modelGiven = false;
    for (int k = 0; k < arguments.size(); ++k) {
        const QString &argument = arguments.at(k);
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
        case Option::FromJmri:
        case Option::Model: {
            const int equals = argument.indexOf(QLatin1Char('='));
            const QString name = option == Option::FromJmri ? QStringLiteral("--from-jmri") : QStringLiteral("--model");
            if (equals < 0 && k + 1 >= arguments.size()) {
                complain(tr("option '%1' requires an argument").arg(name));
                Console::print(stderr, tr("Try '%1 --help' for more information.\n").arg(QLatin1String(ProgramName)));
                return Trouble;
            }
            const QString value = equals < 0 ? arguments.at(++k) : argument.mid(equals + 1);
            (option == Option::FromJmri ? jmriPath : model) = value;
            (option == Option::FromJmri ? fromJmri : modelGiven) = true;
            break;
        }
        case Option::None:
            complain(argument.startsWith(QLatin1String("--")) ? tr("unrecognized option '%1'").arg(argument)
                                                               : tr("invalid option -- '%1'").arg(argument.mid(1)));
            Console::print(stderr, tr("Try '%1 --help' for more information.\n").arg(QLatin1String(ProgramName)));
            return Trouble;
        }
    }
    if (fromJmri || modelGiven) {
        const QString wrong = !fromJmri    ? tr("--model picks models of --from-jmri only")
                              : list        ? tr("--list and --from-jmri cannot be given together")
                              : !files.isEmpty() ? tr("--from-jmri reads one PATH and checks no FILE")
                                                 : QString();
        if (!wrong.isEmpty()) {
            complain(wrong);
            Console::print(stderr, tr("Try '%1 --help' for more information.\n").arg(QLatin1String(ProgramName)));
            return Trouble;
        }
        return listJmri(jmriPath, model);
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
              "  or:  %1 --from-jmri PATH [--model TEXT]\n"
              "Check decoder lists for Function Mapping: report every line that the program\n"
              "ignores although it looks meant, or reads otherwise than it looks.\n"
              "With no FILE, check decoders.ini in the current folder, as the program reads it.\n"
              "\n"
              "  -l, --list            print the decoder types as the program shows them,\n"
              "                        written as a decoders.ini, instead of checking\n"
              "      --from-jmri PATH  write a decoders.ini section for each model of JMRI's\n"
              "                        decoder library: PATH is a family file or the\n"
              "                        xml/decoders folder of a JMRI installation; what\n"
              "                        could not be placed is said on standard error\n"
              "      --model TEXT      only the models whose manufacturer, family or name\n"
              "                        contains TEXT, in any letter case\n"
              "      --help            display this help and exit\n"
              "      --version         output version information and exit\n"
              "\n"
              "Each finding is one line, FILE:LINE:COLUMN: warning: what happens, and why.\n"
              "Exit status is 0 if nothing was found, 1 if something was, and 2 if a file\n"
              "could not be read or an option was wrong. With --from-jmri, 0 if every model\n"
              "was written whole, 1 if something could not be placed.\n"
              "\n"
              "Example: %1 --from-jmri /opt/JMRI/xml/decoders --model Tsunami \\\n"
              "             >> ~/.local/share/function-mapping/decoders.ini\n")
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
