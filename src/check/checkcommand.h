#ifndef CHECKCOMMAND_H
#define CHECKCOMMAND_H

#include <QCoreApplication>
#include <QStringList>

// The command line of function-mapping-check: options as the GNU programs
// take them, the files to check (decoders.ini in the current folder when
// none is named), findings and a summary on standard output, trouble on
// standard error; exit status 0 when nothing was found, 1 when something
// was, 2 on trouble.
class CheckCommand
{
    Q_DECLARE_TR_FUNCTIONS(CheckCommand)

public:
    enum Status { NothingFound = 0, SomethingFound = 1, Trouble = 2 };

    // `arguments` leaves out the program's name.
    static int run(const QStringList &arguments);

private:
    static QString helpText();
    static QString contactText();
    static QString versionText();
    static Status checkFile(const QString &path, bool list);
    // Writes decoders.ini sections for the models of JMRI's library at `path`.
    static Status listJmri(const QString &path, const QString &model);
    static void complain(const QString &message);
};

#endif // CHECKCOMMAND_H
