// The constraint file .vrc: any bytes are refused or give a table that is
// written and read back the same.
#include "core/constraints.h"
#include "fuzzcheck.h"

using fuzzcheck::require;

VREK_FUZZ_TARGET(constraints) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    vrek::ConstraintTable t;
    if (!vrek::parseConstraints(bytes, "x.vrc", t).empty()) return;
    vrek::ConstraintTable back;
    require(vrek::parseConstraints(vrek::serializeConstraints(t), "x.vrc", back).empty(),
            "a constraint table that does not read back");
    require(back.records() == t.records(), "a constraint table read back otherwise");
}
