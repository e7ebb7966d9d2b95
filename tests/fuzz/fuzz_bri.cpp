// The BRI reader: the scan and the read of any bytes.
#include "formats/bri.h"
#include "fuzzcheck.h"

VREK_FUZZ_TARGET(bri) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    fuzzcheck::scanAndRead(bytes, vrek::scanBri, vrek::readBri);
}
