// The DGE reader: the scan and the read of any bytes.
#include "formats/dge.h"
#include "fuzzcheck.h"

VREK_FUZZ_TARGET(dge) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    fuzzcheck::scanAndRead(bytes, vrek::scanDge, vrek::readDge);
}
