// The value reader of every text data file.
#include "datafileerror.h"
#include "fieldreader.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        FieldReader reader = FieldReader::fromBytes(fuzzinput::bytes(data, size), QStringLiteral("値.txt"));
        while (std::optional<Field> f = reader.next()) {
            try {
                reader.wholeNumber(*f, QStringLiteral("値"));
            } catch (const DataFileError &) {
            }
        }
        FieldReader again = FieldReader::fromBytes(fuzzinput::bytes(data, size), QStringLiteral("値.txt"));
        again.ReadFields(10, QStringLiteral("設定"));
    } catch (const DataFileError &e) {
        (void)e.text();
    }
    return 0;
}
