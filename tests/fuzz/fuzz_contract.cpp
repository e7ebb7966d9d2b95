// The contract reader behind the PBN and DAT files: whatever the line, what
// it yields is a whole contract and a whole lead, or nothing.
#include <regex>

#include "formats/contract.h"
#include "fuzzcheck.h"

using fuzzcheck::require;

VREK_FUZZ_TARGET(contract) {
    static const std::regex contract("([1-7](C|D|H|S|NT))?"), lead("([SHDC][AKQJT2-9])?");
    const vrek::ContractReading r = vrek::readContract(std::string(reinterpret_cast<const char *>(data), size));
    require(std::regex_match(r.contract, contract), "a contract that is not a level and a strain");
    require(std::regex_match(r.lead, lead), "a lead that is not a suit and a rank");
    require(r.declarer >= 0 && r.declarer <= 4, "declarer out of 0 .. 4");
    require(r.leader == (r.declarer ? r.declarer % 4 + 1 : 0), "leader not on the declarer's left");
}
