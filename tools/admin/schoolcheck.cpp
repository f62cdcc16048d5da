#include "schoolcheck.h"

#include "answerlog.h"
#include "installation.h"
#include "rosterfile.h"
#include "runlog.h"
#include "sharedaccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

#ifndef _WIN32
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace schoolcheck {

bool Report::allWell() const
{
    return std::all_of(findings.begin(), findings.end(), [](const Finding &f) { return f.fixed; });
}

#ifdef _WIN32

Report check(const Installation &, const QString &, bool)
{
    return {};
}

#else

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(SchoolCheck)
};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

enum class Kind { Folder, File };

// What a member of the group needs of one file or folder.
struct Item
{
    QString path;
    Kind kind = Kind::File;
    bool written = false;   // the program writes it (files) or makes files in it (folders)
    bool above = false;     // a folder above the installation: passing through is enough
    bool makeIfMissing = false;
};

QString modeText(const struct stat &st)
{
    return Text::tr("group %1, mode %2")
        .arg(sharedaccess::groupName(st.st_gid))
        .arg(st.st_mode & 07777, 4, 8, QChar(u'0'));
}

// The bits a member needs, as the group's bits.
mode_t neededGroupBits(const Item &item)
{
    if (item.above)
        return S_IXGRP;
    if (item.kind == Kind::Folder)
        return item.written ? (S_IRGRP | S_IWGRP | S_IXGRP | S_ISGID) : (S_IRGRP | S_IXGRP);
    return item.written ? (S_IRGRP | S_IWGRP) : S_IRGRP;
}

// Whether a member who owns nothing has `groupBits` (read, write, search) through the group or,
// failing that, through the bits for others.
bool memberHas(const struct stat &st, gid_t group, mode_t groupBits)
{
    const mode_t plain = groupBits & (S_IRGRP | S_IWGRP | S_IXGRP);
    if (st.st_gid == group && (st.st_mode & plain) == plain)
        return true;
    const mode_t other = plain >> 3;
    return (st.st_mode & other) == other;
}

QString lacking(const Item &item, const struct stat &st, gid_t group)
{
    QStringList cannot;
    const bool folder = item.kind == Kind::Folder;
    if (item.above) {
        if (!memberHas(st, group, S_IXGRP))
            cannot << Text::tr("pass through it");
    } else {
        if (!memberHas(st, group, folder ? (S_IRGRP | S_IXGRP) : S_IRGRP))
            cannot << (folder ? Text::tr("open it") : Text::tr("read it"));
        if (item.written && !memberHas(st, group, S_IWGRP))
            cannot << (folder ? Text::tr("make files in it") : Text::tr("write it"));
    }
    QString problem;
    if (!cannot.isEmpty())
        problem = Text::tr("a member of the group %1 cannot %2 (%3)")
                      .arg(sharedaccess::groupName(group), cannot.join(Text::tr(" or ")), modeText(st));
    if (folder && item.written && cannot.isEmpty() && (st.st_gid != group || !(st.st_mode & S_ISGID)))
        problem = Text::tr("files made in it would not get the group %1 (%2, no set-group-ID bit for it)")
                      .arg(sharedaccess::groupName(group), modeText(st));
    return problem;
}

QString makeEmpty(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return {};
}

// Whether the account running the check is a member of the group (root counts as one).
bool inGroup(gid_t group)
{
    if (::geteuid() == 0 || ::getegid() == group)
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, groups.data()) < 0)
        return false;
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

std::vector<Item> itemsOf(const Installation &state)
{
    std::vector<Item> items;
    const auto add = [&](const Item &item) {
        const QString clean = QDir::cleanPath(item.path);
        const auto same = std::find_if(items.begin(), items.end(), [&](const Item &i) { return i.path == clean; });
        if (same == items.end()) {
            Item copy = item;
            copy.path = clean;
            items.push_back(copy);
        } else {
            same->written = same->written || item.written;
            same->makeIfMissing = same->makeIfMissing || item.makeIfMissing;
            same->above = same->above && item.above;
        }
    };
    const Folders &f = state.folders;
    // The folder that holds the program folder, and those above it down from the root.
    const QString top = QFileInfo(QDir::cleanPath(f.appFolder)).absolutePath();
    QStringList above;
    for (QString at = QFileInfo(top).absolutePath(); !QFileInfo(at).isRoot(); at = QFileInfo(at).absolutePath())
        above.prepend(at);
    for (const QString &folder : above)
        add({folder, Kind::Folder, false, true, false});
    add({top, Kind::Folder, false, false, false});
    add({f.appFolder, Kind::Folder, true, false, false});
    add({f.dataFolder, Kind::Folder, true, false, false});
    add({f.filesFolder, Kind::Folder, true, false, false});
    add({f.soundFolder, Kind::Folder, false, false, false});

    const bool rosterThere = QFileInfo::exists(RosterFile::path(f));
    add({runlog::runLogPath(f), Kind::File, true, false, true});
    add({runlog::homeRunLogPath(f), Kind::File, true, false, true});
    add({answerlog::answerLogPath(f), Kind::File, true, false, true});
    add({RosterFile::path(f), Kind::File, true, false, false});
    add({RosterFile::backupPath(f), Kind::File, true, false, rosterThere});
    for (const QString &folder : {f.appFolder, f.filesFolder, f.soundFolder}) {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
            add({dir.filePath(name), Kind::File, false, false, false});
    }
    return items;
}

} // namespace

Report check(const Installation &state, const QString &group, bool fix)
{
    Report report;
    struct stat program{};
    std::optional<unsigned> gid;
    if (group.isEmpty()) {
        if (::stat(QFile::encodeName(state.folders.appFolder).constData(), &program) == 0)
            gid = program.st_gid;
    } else {
        gid = sharedaccess::groupId(group);
    }
    if (!gid) {
        report.findings.push_back({group, Text::tr("there is no group \"%1\" on this machine").arg(group), false,
                                   Text::tr("give a group that exists")});
        return report;
    }
    report.groupName = sharedaccess::groupName(*gid);
    const auto g = static_cast<gid_t>(*gid);
    if (!inGroup(g))
        report.findings.push_back({Text::tr("this account"),
                                   Text::tr("is not a member of the group %1").arg(report.groupName), false,
                                   Text::tr("add it to the group (usermod -aG) and log in again")});

    for (const Item &item : itemsOf(state)) {
        ++report.checked;
        const QByteArray name = QFile::encodeName(item.path);
        struct stat st{};
        if (::lstat(name.constData(), &st) != 0) {
            if (errno != ENOENT) {
                report.findings.push_back({item.path, QString::fromLocal8Bit(std::strerror(errno)), false,
                                           Text::tr("look at it by hand")});
                continue;
            }
            Finding missing{item.path, Text::tr("missing"), false, QString()};
            if (item.kind == Kind::Folder || !item.makeIfMissing) {
                missing.notFixed = Text::tr("--fix does not make it");
            } else if (fix) {
                const QString made = makeEmpty(item.path);
                const QString shared = made.isEmpty() ? sharedaccess::grant(item.path, g, neededGroupBits(item)) : made;
                missing.fixed = shared.isEmpty();
                missing.notFixed = shared;
            }
            report.findings.push_back(missing);
            continue;
        }
        if (S_ISLNK(st.st_mode)) {
            report.findings.push_back({item.path, Text::tr("is a symbolic link"), false,
                                       Text::tr("check where it leads by hand")});
            continue;
        }
        const QString problem = lacking(item, st, g);
        if (problem.isEmpty())
            continue;
        Finding finding{item.path, problem, false, QString()};
        if (item.above) {
            finding.notFixed = Text::tr("it is outside the installation: change it by hand");
        } else if (fix) {
            finding.notFixed = sharedaccess::grant(item.path, g, neededGroupBits(item));
            finding.fixed = finding.notFixed.isEmpty();
        }
        report.findings.push_back(finding);
    }
    for (Finding &f : report.findings)
        f.path = shown(f.path);
    return report;
}

#endif

} // namespace schoolcheck
