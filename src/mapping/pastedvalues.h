#ifndef PASTEDVALUES_H
#define PASTEDVALUES_H

#include "decodertype.h"

#include <QString>
#include <QVector>

#include <array>

// Reading CV values out of pasted text, with no widgets, so that tests and
// the fuzzer call it directly. A number is taken only where the text says
// which CV it is the value of:
//
//   CV lines      "CV33 = 1", "CV #41: 4", "CV Nr. 35 -> 2", "CV36 (F2) = 8",
//                 "CV37 ... default value is 16", several to a line
//   tables        a header row naming the CV column and a value column,
//                 cells between |, tabs, ; or , ("CV;Funktion;Werkseinstellung")
//   JMRI files    a roster entry's <CVvalue name="33" value="1"/> lines, a
//                 decoder definition's defaults where they are unambiguous
//   a copy        the decoders.ini lines the window copies
//
// or where the whole text is nothing but numbers, a spreadsheet's row or
// column ("1\t2\t\t8"): filled in from a column on, if it fits whole.

// A value to put into a column's value cell, its text as written.
struct PastedValue
{
    int column = 0;
    QString text;
    int at = -1; // where the text gives it, or -1 where it is worked out from several places
};

// A part of the text that was not used, or used but worth a word.
struct PasteProblem
{
    enum Kind {
        NotANumber,   // a value that is no whole decimal number
        NoSuchCv,     // a CV other than 33 to 46
        LockedCv,     // the column is locked; its value stays unused
        OutOfRange,   // applied as typed, but not 0 to 255
        Repeated,     // a CV given more than once with different values; the last one is used
        Ambiguous,    // a decoder definition's default that cannot be told for certain
        // Whole texts refused; nothing is taken.
        RunTooLong,   // more numbers than columns left: `count` cells, `room` columns
        CvNumbers,    // a run that starts with CV numbers: a table's CV column
        SeveralTypes, // `count` decoder types ([...] sections)
        NoCvWithValue // words and numbers, but no CV paired with a value
    };
    Kind kind = NotANumber;
    QString cv;   // the CV's number as written, where one is named
    QString text; // the value or number in question
    int count = 0;
    int room = 0;
};

struct PastedValues
{
    enum Form { Nothing, CvLines, Copy, Run, Table, JmriRoster, JmriDefinition };

    // In column order, each column at most once: the text's last value for it.
    QVector<PastedValue> values;
    Form form = Nothing;
    QString column; // a table's value column, as its header names it
    // The first problems in text order, each once; a status line has room for no more.
    QVector<PasteProblem> problems;
    int unlistedProblems = 0;
};

// How many problems are kept to be named.
constexpr int NamedPasteProblems = 2;

// `locked` says which columns are locked; a run starts at `startColumn`.
PastedValues readPastedValues(const QString &text, int startColumn, const std::array<bool, CvCount> &locked);

// What the status bar says after a paste: what was applied and from what
// form, then at most two reasons for what was not.
QString pasteMessage(const PastedValues &pasted);

#endif // PASTEDVALUES_H
