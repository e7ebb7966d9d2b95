// The LIN reader: the scan and the read of any bytes.
#include "formats/linimport.h"
#include "fuzzcheck.h"

VREK_FUZZ_TARGET(lin) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    fuzzcheck::scanAndRead(bytes, vrek::scanLin, vrek::readLin);
}
