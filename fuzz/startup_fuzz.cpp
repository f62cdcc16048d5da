// The whole start-up sequence on an installation laid out in memory. The input holds the four
// files 設定.txt, 共通データ.txt, タイム回数データ.txt and 新音ファイル.txt in that order, separated
// by the byte 0x1E; each is placed where either folder mode looks for it.
#include "installation.h"
#include "datafileerror.h"
#include "fuzzinput.h"
#include "startup.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString root = [] {
        const QString r = fuzzinput::scratchFolder() + QStringLiteral("install/");
        for (const char *folder : {"drill2", "files", "音フォルダ"})
            QDir().mkpath(r + QString::fromUtf8(folder));
        return r;
    }();
    const QList<QByteArray> parts = fuzzinput::bytes(data, size).split('\x1e');
    const auto part = [&parts](qsizetype i) { return i < parts.size() ? parts[i] : QByteArray(); };
    fuzzinput::writeFile(root + QStringLiteral("drill2/設定.txt"), part(0));
    fuzzinput::writeFile(root + QStringLiteral("files/共通データ.txt"), part(1));
    fuzzinput::writeFile(root + QStringLiteral("共通データ.txt"), part(1));
    fuzzinput::writeFile(root + QStringLiteral("drill2/タイム回数データ.txt"), part(2));
    fuzzinput::writeFile(root + QStringLiteral("files/新音ファイル.txt"), part(3));
    fuzzinput::writeFile(root + QStringLiteral("音フォルダ/新音ファイル.txt"), part(3));
    Installation state;
    try {
        runStartup(state, root + QStringLiteral("drill2"));
    } catch (const DataFileError &e) {
        (void)e.text();
    }
    return 0;
}
