// The PBN reader: the scan and the read of any bytes.
#include "formats/pbnimport.h"
#include "fuzzcheck.h"

VREK_FUZZ_TARGET(pbn) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    fuzzcheck::scanAndRead(bytes, vrek::scanPbn, vrek::readPbn);
}
