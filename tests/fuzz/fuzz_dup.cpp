// The DUP reader: the scan and the read of any bytes.
#include "formats/dupimport.h"
#include "fuzzcheck.h"

VREK_FUZZ_TARGET(dup) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    fuzzcheck::scanAndRead(bytes, vrek::scanDup, vrek::readDup);
}
