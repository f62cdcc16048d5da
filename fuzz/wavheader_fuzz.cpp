// The .wav header check that comes before every play.
#include "fuzzinput.h"
#include "wavheader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const wavheader::Check c = wavheader::check(fuzzinput::bytes(data, size));
    // What it passes can be played without overflow and within the longest allowed clip.
    if (c.ok
        && (c.format.dataBytes > static_cast<std::int64_t>(size) || c.format.lengthMs() > wavheader::kMaxSeconds * 1000
            || c.format.sampleRate < 8000 || c.format.channels < 1))
        std::abort();
    return 0;
}
