// libFuzzer target for the CSV reader. Build with clang:
//   CXX=clang++ cmake -S . -B build-fuzz -DSPINORA_FUZZ=ON && cmake --build build-fuzz --target csv_fuzz
//   build-fuzz/tests/fuzz/csv_fuzz -max_total_time=180 tests/fuzz/corpus
#include "CsvFuzzBody.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    spinora::fuzz::exerciseCsvReader(data, size);
    return 0;
}
