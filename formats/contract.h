// The contract reader: what a deal's contract line says in French notation
// ("4P S", "3SA N entame RP"), as the DAT and PBN writers need it in English.
#pragma once
#include <string>

namespace vrek {

struct ContractReading {
    std::string contract;  // level and strain, "4S", "3NT"; whatever was collected, maybe ""
    int declarer = 0;      // seat 1 .. 4, 0 when none was named
    int leader = 0;        // the seat after the declarer, 0 with it
    std::string lead;      // suit then rank in English, "SK"; "" when none
};

// Reads the first 50 characters of a contract line (the counts stored after
// them never count).
ContractReading readContract(const std::string &contractLine);

}  // namespace vrek
