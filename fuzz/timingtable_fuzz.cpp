// The per-level timing table タイム回数データ.txt.
#include "datafileerror.h"
#include "fuzzinput.h"
#include "timingtable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzzinput::scratchFolder() + QStringLiteral("タイム回数データ.txt");
    fuzzinput::writeFile(path, fuzzinput::bytes(data, size));
    try {
        readTimingTable(path, 18);
    } catch (const DataFileError &e) {
        (void)e.text();
    }
    return 0;
}
