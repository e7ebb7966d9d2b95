#include "verify/score.h"

#include "core/cards.h"

namespace vrek {

namespace {

bool minor(Strain s) { return s == Strain::Diamonds || s == Strain::Clubs; }

// Trick score of `tricks` odd tricks undoubled.
int trickValue(Strain s, int oddTricks) {
    if (s == Strain::NoTrump) return oddTricks * 30 + 10;
    return oddTricks * (minor(s) ? 20 : 30);
}

}  // namespace

int duplicateScore(int level, Strain strain, Doubling doubling, bool vul, int tricks) {
    if (level < 1 || level > 7 || tricks < 0 || tricks > 13) return 0;
    const int required = level + 6;
    const int factor = doubling == Doubling::Redoubled ? 2 : 1;  // redoubled = twice doubled

    if (tricks < required) {
        const int d = required - tricks;
        if (doubling == Doubling::None) return -d * (vul ? 100 : 50);
        int penalty = vul ? d * 200 + (d - 1) * 100 : d * 100 + (d - 1) * 100 + (d > 3 ? (d - 3) * 100 : 0);
        return -penalty * factor;
    }

    int score = 0;
    if (level == 6) score += vul ? 750 : 500;
    if (level == 7) score += vul ? 1500 : 1000;
    if (doubling == Doubling::None) {
        score += trickValue(strain, tricks - 6);
        bool game = trickValue(strain, level) >= 100;
        score += game ? (vul ? 500 : 300) : 50;
    } else {
        int contract = trickValue(strain, level) * 2 * factor;
        score += contract;
        score += (tricks - required) * (vul ? 200 : 100) * factor;
        score += 50 * factor;  // for the insult
        score += contract >= 100 ? (vul ? 500 : 300) : 50;
    }
    return score;
}

int declarerTricks(int nsTricks, int declarer) {
    return declarer == North || declarer == South ? nsTricks : 13 - nsTricks;
}

bool declarerVulnerable(int board, int declarer) {
    return declarer == North || declarer == South ? nsVulnerable(board) : ewVulnerable(board);
}

const char *seatName(int seat) {
    switch (seat) {
    case North: return "Nord";
    case East: return "Est";
    case South: return "Sud";
    case West: return "Ouest";
    default: return "";
    }
}

std::string resultText(int level, Strain strain, Doubling doubling, int declarer, int tricks, int lead) {
    std::string t = std::to_string(level) + strainText(strain);
    if (doubling == Doubling::Doubled) t += "*";
    if (doubling == Doubling::Redoubled) t += "**";
    const int required = level + 6;
    if (tricks == required) t += "= ";
    else if (tricks > required) t += "+" + std::to_string(tricks - required) + " ";
    else t += "-" + std::to_string(required - tricks) + " ";
    t += "par ";
    t += seatLetter(declarer);
    t += " sur entame ";
    if (lead) {
        t += frenchRank(lead % 100);
        t += suitLetter(lead / 100);
    }
    return t;
}

std::string questionText(int tricks, int declarer, int score, const std::string &result) {
    return std::to_string(tricks) + " levées par " + seatName(declarer) + "\r\r" + std::to_string(score) + "\r\r" +
           result;
}

}  // namespace vrek
