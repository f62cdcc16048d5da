// The pending file of kept runs: whatever the bytes, decoding never reads outside them, and
// what decodes writes back to bytes that decode the same. Each input is tried as it is and
// with its checksum made right, so that the fuzzer reaches the fields behind the checksum.
#include "fuzzinput.h"
#include "pendingfile.h"

#include <QCryptographicHash>

#include <cstdlib>

namespace {

void roundTrip(const QByteArray &bytes)
{
    const std::optional<PendingFile> file = PendingFile::decode(bytes);
    if (!file)
        return;
    // Text that is not valid UTF-8, or a time Qt cannot hold, may change once on the way back.
    const QByteArray written = file->encode();
    const std::optional<PendingFile> again = PendingFile::decode(written);
    if (!again || again->encode() != written)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzzinput::bytes(data, size);
    roundTrip(bytes);
    const QByteArray body = bytes.size() >= 32 ? bytes.first(bytes.size() - 32) : bytes;
    roundTrip(body + QCryptographicHash::hash(body, QCryptographicHash::Sha256));
    return 0;
}
