#ifndef PASTEDVALUES_H
#define PASTEDVALUES_H

#include "decodertype.h"

#include <QString>
#include <QVector>

#include <array>

// Reading CV values out of pasted text, with no widgets, so that tests and
// the fuzzer call it directly. Two forms are told apart by the text itself:
//
//   list lines       "CV33 = 1, CV34=2; cv 35: 4"   any text that names a CV
//   a run of numbers "1\t2\t4 8,16;32"              filled in from a column on,
//                                                    as spreadsheets paste
//
// In a list, lines that name a decoder type or an output ("[Lok]",
// `i1 = "Licht"`) are passed over, so that the text a copy makes pastes back.

// A value to put into a column's value cell, its text as written.
struct PastedValue
{
    int column = 0;
    QString text;
};

// A part of the text that was not used, or used but worth a word.
struct PasteProblem
{
    enum Kind {
        NotANumber,   // a value that is no whole decimal number
        NoSuchCv,     // a CV other than 33 to 46
        LockedCv,     // the column is locked; its value stays unused
        NoColumnLeft, // numbers of the run beyond the last column
        OutOfRange,   // applied as typed, but not 0 to 255
    };
    Kind kind = NotANumber;
    QString cv;   // the CV's number as written, where one is named
    QString text; // the value or number in question
};

struct PastedValues
{
    // In column order, each column at most once: in a list the later line wins.
    QVector<PastedValue> values;
    // The first few problems in text order; a status line has room for no more.
    QVector<PasteProblem> problems;
    int unlistedProblems = 0;
};

// How many problems are kept to be named.
constexpr int NamedPasteProblems = 3;

// `locked` says which columns are locked; a run starts at `startColumn`.
PastedValues readPastedValues(const QString &text, int startColumn, const std::array<bool, CvCount> &locked);

// What the status bar says after a paste: what was applied, what was not, and why.
QString pasteMessage(const PastedValues &pasted);

#endif // PASTEDVALUES_H
