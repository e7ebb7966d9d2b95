// The DGE reader: the scan and the read of any bytes.
#include <cstddef>
#include <cstdint>

#include "formats/dge.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    fuzzcheck::scanAndRead(bytes, vrek::scanDge, vrek::readDge);
    return 0;
}
