#pragma once

#include "datafileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

struct Folders;

// The classes of the roster: "生徒用名簿クラス.txt" beside the roster, written by the teachers'
// tool when it imports a class list. The roster's own lines say nothing of classes; this file
// gives each class (a label such as "6-1") the block of roster numbers its pupils hold, first to
// last, so that the list number 1 of the class is the roster number `first`. Blocks of two classes
// never overlap; numbers outside every block belong to no class.
//
// Shift-JIS, one class per line, three values read with the program's quoted comma-separated
// rules: the label in quotes, the first and the last roster number ("6-1",1,35). A damaged line
// (other than three values, an empty label, a number that is not a whole number from 1 to 5000,
// a first above its last, a label or a number that an earlier line already has) is reported with
// file and line and costs only that class. Blank lines are passed over.
class ClassMap
{
public:
    struct Class
    {
        QString label;
        int first = 0; // roster number of list number 1
        int last = 0;  // highest roster number of the class

        bool holds(int rosterNo) const { return rosterNo >= first && rosterNo <= last; }
        bool operator==(const Class &) const = default;
    };

    static QString path(const Folders &folders);         // filesFolder + "生徒用名簿クラス.txt"
    static QString pathBeside(const QString &rosterPath); // the same, beside a roster file

    // A label as it is kept and compared: compatibility forms folded (full-width digits and
    // letters, "－"), spaces at the ends removed and runs of spaces inside made one.
    static QString normalLabel(const QString &label);

    // Why a (normal) label cannot be kept, or empty when it can: a label is 1 to kLabelWidth
    // characters that Shift-JIS can store, without a double quote or a control character.
    static constexpr int kLabelWidth = 20;
    static QString labelProblem(const QString &label);

    // Never throws. A file that does not exist reads as no classes with found() false.
    static ClassMap read(const QString &filePath);
    static ClassMap parse(QByteArrayView bytes, const QString &filePath);

    const QString &filePath() const { return m_filePath; }
    bool found() const { return m_found; }
    const std::vector<Class> &classes() const { return m_classes; } // in file order
    const std::vector<DataFileError> &problems() const { return m_problems; }

    const Class *find(const QString &label) const;  // by normal label; null when unknown
    const Class *classOf(int rosterNo) const;       // whose block holds the number; null when none
    // The first class other than `label` whose block meets first..last; null when none does.
    const Class *overlapping(int first, int last, const QString &label) const;

    // Gives a class its block: a known label's block is replaced, a new class is added at the end.
    // The label must be one labelProblem() accepts.
    void set(const Class &c);

    // The file as this system writes it: one line per class, CR LF line ends.
    QByteArray encode() const;

private:
    QString m_filePath;
    bool m_found = false;
    std::vector<Class> m_classes;
    std::vector<DataFileError> m_problems;
};
