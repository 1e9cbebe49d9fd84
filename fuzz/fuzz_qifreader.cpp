// libFuzzer target: any bytes read as a QIF statement, in each date order.
#include "StatementFuzzCheck.h"

#include "import/QifReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    std::optional<DateOrder> order; // as the dates call for, or one chosen, by the input's length
    if (size % 3 == 1)
        order = DateOrder::MonthFirst;
    else if (size % 3 == 2)
        order = DateOrder::DayFirst;
    StatementFuzzCheck::check(QifReader::read(bytes, order));
    return 0;
}
