// libFuzzer target: any bytes read as a CSV statement, through the columns
// the header names give or, without them, the program's first guess.
#include "StatementFuzzCheck.h"

#include "import/CsvStatement.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const CsvTable table = CsvTable::read(bytes);
    StatementFuzzCheck::check(
        CsvStatement::read(table, CsvStatement::recognise(table).value_or(CsvStatement::guess(table))));
    return 0;
}
