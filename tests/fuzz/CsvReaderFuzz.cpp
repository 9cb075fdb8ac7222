// libFuzzer target for the CSV reader: every line of the input through the
// line reader, the field reader and the one-line splitter, and short fields
// through the date and number readers.
#include "CsvReader.h"
#include "FuzzSupport.h"
#include "LocaleFormats.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace spinora;
    static const LocaleFormats formats(QLocale(QLocale::English, QLocale::UnitedStates));
    QBuffer buffer;
    buffer.setData(fuzz::bytes(data, size));
    buffer.open(QIODevice::ReadOnly);
    InputTextStream stream;
    stream.open(&buffer);
    CsvFieldReader reader(stream);
    for (int result = InputTextStream::kLine; result == InputTextStream::kLine;) {
        QString line;
        result = stream.readLine(line);
        splitCsvLine(line, 22);
        reader.setLine(line);
        for (int i = 0; i < 64; ++i) {
            const auto field = reader.readField();
            if (!field)
                break;
            if (field->size() < 64) {
                formats.readDateAndTime(*field);
                formats.readDate(*field);
                formats.readMoney(*field);
            }
        }
    }
    return 0;
}
