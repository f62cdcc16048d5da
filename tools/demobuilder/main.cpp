// Build-time helper that lays out the demo installation from readable sources:
//   demo-builder sjis IN OUT     UTF-8 text to Shift-JIS with CR LF line ends
//   demo-builder chime KIND OUT  a short synthesised chime as a 16-bit mono .wav
#include "chime.h"
#include "savefile.h"
#include "sjis.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace {
int fail(const QString &text)
{
    QTextStream(stderr) << "demo-builder: " << text << '\n';
    return 1;
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    return savefile::replace(path, bytes).saved;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: demo-builder sjis IN OUT | chime KIND OUT"));

    if (args[1] == u"sjis") {
        QFile in(args[2]);
        if (!in.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1").arg(args[2]));
        QString text = QString::fromUtf8(in.readAll());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\n', QStringLiteral("\r\n"));
        if (!writeAll(args[3], sjis::encode(text)))
            return fail(QStringLiteral("cannot write %1").arg(args[3]));
        return 0;
    }
    if (args[1] == u"chime") {
        const QByteArray wav = chime::render(args[2]);
        if (wav.isEmpty())
            return fail(QStringLiteral("unknown chime %1").arg(args[2]));
        if (!writeAll(args[3], wav))
            return fail(QStringLiteral("cannot write %1").arg(args[3]));
        return 0;
    }
    return fail(QStringLiteral("unknown command %1").arg(args[1]));
}
