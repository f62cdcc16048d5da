// Test helper: holds a whole-file lock on a record file, as another copy of the program in the
// middle of an append (exclusive) or a load (shared) would, until a line arrives on stdin.
//
//   hold_lock FILE exclusive|shared
//
// Prints "locked" once the lock is held.
#include "recordfile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 || (args[2] != u"exclusive" && args[2] != u"shared")) {
        std::fprintf(stderr, "usage: hold_lock FILE exclusive|shared\n");
        return 2;
    }
    RecordFile file;
    if (file.open(args[1], RecordFile::Access::ReadWrite) != RecordFile::Outcome::Done)
        return 1;
    const auto kind = args[2] == u"shared" ? RecordFile::LockKind::Shared : RecordFile::LockKind::Exclusive;
    if (file.lock(kind) != RecordFile::Outcome::Done)
        return 1;
    std::puts("locked");
    std::fflush(stdout);
    // Any input, or its end, releases the lock.
    std::getchar();
    return 0;
}
