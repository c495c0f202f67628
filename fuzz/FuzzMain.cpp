// libFuzzer entry point.
#include "fuzz/FuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lumorca::fuzz::AnalyzeBytes(data, size);
    return 0;
}
