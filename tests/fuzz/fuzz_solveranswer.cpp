// What vrek reads of the solver: the answer of a single question, and the
// answer lines of the table mode. The first byte says which. A table line
// accepted holds counts in range and reads back the same once the solver's
// own writer has written it again.
#include "fuzzcheck.h"
#include "verify/bridge/tablemode.h"
#include "verify/ddanalysis.h"
#include "verify/solveroutput.h"

using fuzzcheck::require;

namespace {

// The analysis as the solver program holds it before writing its line.
bridge::TableAnswer asSolverAnswer(const std::string &tag, const vrek::DealAnalysis &a) {
    bridge::TableAnswer t;
    t.tag = tag;
    for (int seat = 0; seat < 4; ++seat)
        for (int strain = 0; strain < vrek::kStrains; ++strain) t.table[(strain + 4) % 5][seat] = a.tricks[seat][strain];
    t.parScore = a.parScore;
    const char *seats[6] = {"N", "E", "S", "W", "NS", "EW"};
    for (const vrek::ParContract &c : a.par) {
        bridge::ParContract p;
        p.level = c.level;
        p.strain = c.strain;
        while (p.seats < 6 && c.seats != seats[p.seats]) ++p.seats;
        p.doubled = c.doubled;
        p.overTricks = c.overTricks;
        p.underTricks = c.underTricks;
        t.contracts.push_back(p);
    }
    return t;
}

}  // namespace

VREK_FUZZ_TARGET(solveranswer) {
    if (size < 1) return;
    const std::string bytes(reinterpret_cast<const char *>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        const vrek::SolverAnswer a = vrek::readSolverAnswer(bytes);
        require(a.ok() ? a.nsTricks >= 0 && a.nsTricks <= 13 && a.message.empty() : !a.message.empty(),
                "a count out of range or a failure without a message");
        return;
    }
    std::string tag, error;
    vrek::DealAnalysis a;
    if (!vrek::parseTableAnswerLine(bytes, tag, a, error) || !error.empty()) return;
    fuzzcheck::requireSoundAnalysis(a);
    std::string tag2, error2;
    vrek::DealAnalysis b;
    require(vrek::parseTableAnswerLine(bridge::formatTableAnswer(asSolverAnswer(tag, a)), tag2, b, error2) &&
                tag2 == tag && b == a,
            "an answer line that does not read back");
}
