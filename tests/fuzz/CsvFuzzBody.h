#pragma once

// What the CSV fuzz target and the corpus replay test both run: every line
// of the input through the line reader, the field reader, the one-line
// splitter and the date and number readers.
#include "CsvReader.h"
#include "LocaleFormats.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace spinora::fuzz {

inline int exerciseCsvReader(const uint8_t* data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    buffer.open(QIODevice::ReadOnly);
    InputTextStream stream;
    stream.open(&buffer);
    CsvFieldReader reader(stream);
    static const LocaleFormats formats(QLocale(QLocale::English, QLocale::UnitedStates));
    int fields = 0;
    for (int lines = 0; lines < 100000; ++lines) {
        QString line;
        const int result = stream.readLine(line);
        if (!line.isEmpty()) {
            splitCsvLine(line, 22);
            reader.setLine(line);
            for (int i = 0; i < 64; ++i) {
                const auto field = reader.readField();
                if (!field)
                    break;
                ++fields;
                if (field->size() < 64) {
                    formats.readDateAndTime(*field);
                    formats.readDate(*field);
                    formats.readMoney(*field);
                }
            }
        }
        if (result != InputTextStream::kLine)
            break;
    }
    return fields;
}

} // namespace spinora::fuzz
