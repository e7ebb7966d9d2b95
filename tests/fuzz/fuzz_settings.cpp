// The settings file and the constraint file: any bytes give the defaults or
// values in range, and a written file reads back the same.
#include <cstddef>
#include <cstdint>

#include "core/constraints.h"
#include "core/inifile.h"
#include "core/settings.h"
#include "fuzzcheck.h"

using fuzzcheck::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    vrek::IniFile ini;
    ini.parse(bytes);
    (void)vrek::readSettings(ini, vrek::DateFormat::french());
    vrek::IniFile again;
    again.parse(ini.serialize());
    require(again.serialize() == ini.serialize(), "a settings file that does not read back");

    vrek::ConstraintTable t;
    if (vrek::parseConstraints(bytes, "x.vrc", t).empty()) {
        vrek::ConstraintTable back;
        require(vrek::parseConstraints(vrek::serializeConstraints(t), "x.vrc", back).empty(),
                "a constraint table that does not read back");
    }
    return 0;
}
