// The DLM reader: the scan and the read of any bytes.
#include "formats/dlmimport.h"
#include "fuzzcheck.h"

VREK_FUZZ_TARGET(dlm) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    fuzzcheck::scanAndRead(bytes, vrek::scanDlm, vrek::readDlm);
}
