#include "formats/machinefiles.h"

namespace vrek {

MachineRun machineRun(const Series &s, const Selection &sel) {
    MachineRun r;
    for (int b : leadingRun(sel)) {
        auto owners = cardOwners(s.deal(b));
        if (!owners) {
            // A missing or doubled card would give the machine a false deal.
            r.error = "La donne " + std::to_string(b) +
                      " n'est pas complète : une machine à distribuer ne peut pas la donner. "
                      "Rien n'est exporté.";
            r.boards.clear();
            return r;
        }
        r.boards.push_back(*owners);
    }
    return r;
}

}  // namespace vrek
