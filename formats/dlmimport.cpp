#include "formats/dlmimport.h"

#include "formats/cardorder.h"
#include "formats/textlines.h"

namespace vrek {

namespace {
const std::string kToBoard = "To board=";

std::string boardKey(int j) { return (j <= 9 ? "Board 0" : "Board ") + std::to_string(j) + "="; }
}  // namespace

ImportScan scanDlm(const std::string &bytes) {
    ImportScan scan;
    const std::string *last = nullptr;
    const std::vector<std::string> lines = splitLines(bytes);
    for (const auto &l : lines)
        if (l.compare(0, kToBoard.size(), kToBoard) == 0) last = &l;
    if (!last) {
        scan.empty = true;
        bool document = false;
        for (const auto &l : lines) document = document || l.rfind("[Document]", 0) == 0 || l.rfind("Board ", 0) == 0;
        // Nothing that a Duplimate file holds.
        if (!document && bytes.find_first_not_of(" \t\r\n") != std::string::npos)
            scan.error = "ce n'est pas un fichier Duplimate (DLM) : il n'a ni ligne « To board= » ni ligne « Board »";
        return scan;
    }
    // The count is the (up to) three characters after the '='.
    const std::string field = last->substr(kToBoard.size(), 3);
    size_t b = 0, e = field.size();
    while (b < e && field[b] == ' ') ++b;
    while (e > b && field[e - 1] == ' ') --e;
    int n = 0;
    for (size_t i = b; i < e; ++i) {
        if (field[i] < '0' || field[i] > '9') {
            scan.error = "la ligne « " + quoted(*last, 30) + " » ne donne pas un nombre de donnes : "
                         "ce n'est pas un fichier Duplimate lisible";
            return scan;
        }
        n = n * 10 + (field[i] - '0');
    }
    if (b == e) {
        scan.error = "la ligne « " + quoted(*last, 30) + " » ne donne pas de nombre de donnes : "
                     "ce n'est pas un fichier Duplimate lisible";
        return scan;
    }
    n = std::min(n, kBoards);
    for (int j = 1; j <= n; ++j) scan.available[j - 1] = true;
    scan.empty = n == 0;
    return scan;
}

ImportRead readDlm(const std::string &bytes, const std::vector<int> &boards) {
    ImportRead out;
    const std::vector<std::string> lines = splitLines(bytes);
    for (int j : boards) {
        const std::string key = boardKey(j);
        size_t lineNo = 0, at = std::string::npos;
        for (size_t i = 0; i < lines.size() && at == std::string::npos; ++i)
            if ((at = lines[i].find(key)) != std::string::npos) lineNo = i;
        if (at == std::string::npos) {
            out.skipped.push_back("donne " + std::to_string(j) + " : la ligne « " + key + " » manque dans le fichier");
            continue;
        }
        const std::string letters = lines[lineNo].substr(at + key.size(), 28);
        DealBuilder deal(lineAt(static_cast<int>(lineNo) + 1));
        if (letters.size() < 26)
            deal.refuse("la ligne « " + key + " » est trop courte : " + std::to_string(letters.size()) +
                        " lettres au lieu de 26");
        for (int i = 1; i <= 52 && deal.error().empty(); ++i) {
            const char letter = letters[(i + 1) / 2 - 1];
            if (letter < 'a' || letter > 'p') {
                deal.refuse("le caractère « " + quoted(std::string(1, letter)) + " » de la ligne « " + key +
                            " » n'est pas une lettre de a à p");
                break;
            }
            const int v = letter - 'a';
            deal.place(i % 2 ? v / 4 + 1 : v % 4 + 1, suitOfIndex(i), rankOfIndex(i));
        }
        if (deal.error().empty()) deal.finish(false);
        if (!deal.error().empty()) out.skipped.push_back(deal.error());
        else out.deals.push_back({j, deal.deal(), {}, {}});
    }
    return out;
}

}  // namespace vrek
