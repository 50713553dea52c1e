#include "pastedvalues.h"

#include <QCoreApplication>
#include <QStringList>

// The window's messages, translated in its context.

namespace {

QString cvName(int column)
{
    return QCoreApplication::translate("MainWindow", "CV%1").arg(FirstCv + column);
}

// "CV33 bis CV36, CV40": runs of three or more columns shortened.
QString cvList(const QVector<PastedValue> &values)
{
    QStringList parts;
    for (int k = 0; k < values.size();) {
        int last = k;
        while (last + 1 < values.size() && values.at(last + 1).column == values.at(last).column + 1)
            ++last;
        if (last - k >= 2) {
            parts.append(QCoreApplication::translate("MainWindow", "%1 bis %2")
                             .arg(cvName(values.at(k).column), cvName(values.at(last).column)));
        } else {
            for (int j = k; j <= last; ++j)
                parts.append(cvName(values.at(j).column));
        }
        k = last + 1;
    }
    return parts.join(QLatin1String(", "));
}

QString problemSentence(const PasteProblem &problem)
{
    switch (problem.kind) {
    case PasteProblem::NotANumber:
        if (problem.text.isEmpty())
            return QCoreApplication::translate("MainWindow", "Bei CV%1 fehlt der Wert; nicht eingefügt.")
                .arg(problem.cv);
        return QCoreApplication::translate("MainWindow", "Bei CV%1 ist „%2“ keine ganze Zahl; nicht eingefügt.")
            .arg(problem.cv, problem.text);
    case PasteProblem::NoSuchCv:
        return QCoreApplication::translate("MainWindow",
                                           "CV%1 ordnet keine Funktion zu, nur CV33 bis CV46; nicht eingefügt.")
            .arg(problem.cv);
    case PasteProblem::LockedCv:
        return QCoreApplication::translate("MainWindow", "CV%1 ist gesperrt; nicht eingefügt.").arg(problem.cv);
    case PasteProblem::OutOfRange:
        return QCoreApplication::translate("MainWindow",
                                           "CV%1 = %2 liegt nicht zwischen 0 und 255; eingefügt wie getippt.")
            .arg(problem.cv, problem.text);
    case PasteProblem::Repeated:
        return QCoreApplication::translate("MainWindow",
                                           "CV%1 steht mehrmals mit verschiedenen Werten im Text; der letzte, %2, "
                                           "gilt.")
            .arg(problem.cv, problem.text);
    case PasteProblem::Ambiguous:
        return QCoreApplication::translate("MainWindow",
                                           "Die Vorgabe für CV%1 ist in der Decoderdefinition nicht eindeutig; "
                                           "nicht eingefügt.")
            .arg(problem.cv);
    case PasteProblem::RunTooLong:
        return QCoreApplication::translate("MainWindow",
                                           "Nichts eingefügt: die Zahlenreihe braucht %1 Spalten, frei sind ab "
                                           "hier nur %2. Eine Reihe wird nur ganz eingefügt.")
            .arg(problem.count)
            .arg(problem.room);
    case PasteProblem::CvNumbers:
        return QCoreApplication::translate("MainWindow",
                                           "Nichts eingefügt: die Zahlen sehen aus wie eine Spalte mit CV-Nummern. "
                                           "Mit ihrer Kopfzeile kopiert wird die Tabelle gelesen.");
    case PasteProblem::SeveralTypes:
        return QCoreApplication::translate("MainWindow",
                                           "Nichts eingefügt: der Text enthält %1 Decodertypen ([…]-Abschnitte). "
                                           "Bitte nur den einen kopieren, der gemeint ist.")
            .arg(problem.count);
    case PasteProblem::NoCvWithValue:
        return QCoreApplication::translate("MainWindow", "Nichts eingefügt: der Text nennt keine CV mit einem Wert.");
    }
    return QString();
}

bool refusesWholeText(const PastedValues &pasted)
{
    if (pasted.problems.size() != 1)
        return false;
    const PasteProblem::Kind kind = pasted.problems.first().kind;
    return kind == PasteProblem::RunTooLong || kind == PasteProblem::CvNumbers || kind == PasteProblem::SeveralTypes ||
           kind == PasteProblem::NoCvWithValue;
}

// "aus einer Tabelle, Spalte „Default“": the form the values were read from.
QString formWords(const PastedValues &pasted)
{
    switch (pasted.form) {
    case PastedValues::Nothing:
        break;
    case PastedValues::CvLines:
        return QCoreApplication::translate("MainWindow", "aus CV-Angaben im Text");
    case PastedValues::Copy:
        return QCoreApplication::translate("MainWindow", "aus Zeilen für decoders.ini");
    case PastedValues::Run:
        return QCoreApplication::translate("MainWindow", "aus einer Zahlenreihe");
    case PastedValues::Table:
        return QCoreApplication::translate("MainWindow", "aus einer Tabelle, Spalte „%1“").arg(pasted.column);
    case PastedValues::JmriRoster:
        return QCoreApplication::translate("MainWindow", "aus einer JMRI-Lokdatei");
    case PastedValues::JmriDefinition:
        return QCoreApplication::translate("MainWindow", "aus den Vorgaben einer JMRI-Decoderdefinition");
    }
    return QString();
}

} // namespace

QString pasteMessage(const PastedValues &pasted)
{
    if (refusesWholeText(pasted))
        return problemSentence(pasted.problems.first());
    QStringList sentences;
    if (!pasted.values.isEmpty())
        sentences.append(QCoreApplication::translate("MainWindow", "Eingefügt: %1 %2.")
                             .arg(cvList(pasted.values), formWords(pasted)));
    else if (pasted.problems.isEmpty())
        sentences.append(QCoreApplication::translate(
            "MainWindow", "Nichts eingefügt: der Text enthält keinen Wert für CV33 bis CV46."));
    else
        sentences.append(QCoreApplication::translate("MainWindow", "Nichts eingefügt."));
    for (const PasteProblem &problem : pasted.problems)
        sentences.append(problemSentence(problem));
    if (pasted.unlistedProblems > 0)
        sentences.append(QCoreApplication::translate("MainWindow", "Weitere Stellen, die nicht passen: %1.")
                             .arg(pasted.unlistedProblems));
    return sentences.join(QLatin1Char(' '));
}
