// The verification window's reading of a contract line: level, strain,
// declarer, doubling and the lead named in the text.
#pragma once
#include <string>

namespace vrek {

// In the order of the window's strain radio group (`Nature`).
enum class Strain { NoTrump = 0, Spades = 1, Hearts = 2, Diamonds = 3, Clubs = 4 };

struct ContractChoice {
    int level = 1;                  // 1 .. 7
    Strain strain = Strain::NoTrump;
    int declarer = 1;               // seat 1 .. 4
    bool doubled = false;
    int lead = 0;                   // card code, 0 when the text names none
    bool operator==(const ContractChoice &) const = default;
};

// Reads the contract text of a contract line (its first 50 columns: the line
// counts stored after them are not part of the contract). Whatever the text
// does not name keeps the defaults: 1 Sans-Atout by North, no lead, undoubled.
ContractChoice parseContractLine(const std::string &contractLine);

// "SA", "P", "C", "K", "T".
const char *strainText(Strain s);
// Card suit (1 clubs .. 4 spades) of a trump strain, 0 for Sans-Atout.
int trumpSuit(Strain s);

}  // namespace vrek
