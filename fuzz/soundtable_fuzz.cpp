// The sound table 新音ファイル.txt, and every file name a play would pick from it.
#include "datafileerror.h"
#include "fuzzinput.h"
#include "soundtable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzzinput::scratchFolder() + QStringLiteral("新音ファイル.txt");
    fuzzinput::writeFile(path, fuzzinput::bytes(data, size));
    try {
        const SoundTable table = SoundTable::read(path);
        for (int kind = 1; kind <= SoundTable::kKinds; ++kind) {
            const int count = table.fileCount(kind);
            for (int i = 0; i <= count + 1; ++i)
                (void)table.fileName(kind, i);
        }
    } catch (const DataFileError &e) {
        (void)e.text();
    }
    return 0;
}
