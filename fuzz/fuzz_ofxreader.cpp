// libFuzzer target: any bytes read as an OFX or QFX statement through libofx.
#include "StatementFuzzCheck.h"

#include "import/OfxReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    StatementFuzzCheck::check(OfxReader::read(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))));
    return 0;
}
