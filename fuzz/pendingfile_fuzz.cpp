// The pending file of kept runs: whatever the bytes, decoding never reads outside them, and
// what decodes writes back to the same bytes.
#include "fuzzinput.h"
#include "pendingfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzzinput::bytes(data, size);
    const std::optional<PendingFile> file = PendingFile::decode(bytes);
    if (file && file->encode() != bytes) {
        // Only text that is not valid UTF-8 may change on the way back.
        const std::optional<PendingFile> again = PendingFile::decode(file->encode());
        if (!again || again->encode() != file->encode())
            std::abort();
    }
    return 0;
}
