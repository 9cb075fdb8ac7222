// Replays the fuzzing corpus through the CSV reader on every test run, so
// inputs that once found faults keep being read.
#include "../fuzz/CsvFuzzBody.h"
#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace spinora::test;

TEST(CsvCorpus, EveryInputIsReadWithoutHarm)
{
    const QDir corpus(QStringLiteral(SPINORA_FUZZ_CORPUS));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_GT(files.size(), 3);
    for (const QString& name : files) {
        const QByteArray data = readFile(corpus.filePath(name));
        spinora::fuzz::exerciseCsvReader(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size()));
    }
}
