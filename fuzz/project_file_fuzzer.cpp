// libFuzzer entry: any bytes at all go through the project file reader, which
// must neither crash nor hang nor let a grid grow past its cap.
#include "ProjectFileHarness.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ProjectFileHarness::Read(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
