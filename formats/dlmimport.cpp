#include "formats/dlmimport.h"

#include <array>

#include "formats/cardorder.h"
#include "formats/textlines.h"

namespace vrek {

namespace {
const std::string kToBoard = "To board=";

std::string boardKey(int j) { return (j <= 9 ? "Board 0" : "Board ") + std::to_string(j) + "="; }
}  // namespace

ImportScan scanDlm(const std::string &bytes) {
    ImportScan scan;
    std::string last;
    bool found = false, document = false;
    eachLine(bytes, [&](std::string_view l, int) {
        if (l.substr(0, kToBoard.size()) == kToBoard) last = l, found = true;
        document = document || l.substr(0, 10) == "[Document]" || l.substr(0, 6) == "Board ";
    });
    if (!found) {
        scan.empty = true;
        // Nothing that a Duplimate file holds.
        if (!document && bytes.find_first_not_of(" \t\r\n") != std::string::npos)
            scan.error = "ce n'est pas un fichier Duplimate (DLM) : il n'a ni ligne « To board= » ni ligne « Board »";
        return scan;
    }
    // The count is the (up to) three characters after the '='.
    const std::string field = last.substr(kToBoard.size(), 3);
    size_t b = 0, e = field.size();
    while (b < e && field[b] == ' ') ++b;
    while (e > b && field[e - 1] == ' ') --e;
    int n = 0;
    for (size_t i = b; i < e; ++i) {
        if (field[i] < '0' || field[i] > '9') {
            scan.error = "la ligne « " + quoted(last, 30) + " » ne donne pas un nombre de donnes : "
                         "ce n'est pas un fichier Duplimate lisible";
            return scan;
        }
        n = n * 10 + (field[i] - '0');
    }
    if (b == e) {
        scan.error = "la ligne « " + quoted(last, 30) + " » ne donne pas de nombre de donnes : "
                     "ce n'est pas un fichier Duplimate lisible";
        return scan;
    }
    n = std::min(n, kBoards);
    for (int j = 1; j <= n; ++j) scan.available[j - 1] = true;
    scan.empty = n == 0;
    return scan;
}

namespace {
// The board a "Board NN=" key names at l[at] ("Board 05=", "Board 12="), or 0.
int keyBoard(std::string_view l, size_t at) {
    size_t p = at + 6, d = p;
    while (d < l.size() && d - p < 3 && l[d] >= '0' && l[d] <= '9') ++d;
    if (d >= l.size() || l[d] != '=' || d - p != 2) return 0;
    const int j = (l[p] - '0') * 10 + (l[p + 1] - '0');
    return j >= 1 && j <= kBoards ? j : 0;
}
}  // namespace

ImportRead readDlm(const std::string &bytes, const std::vector<int> &boards) {
    ImportRead out;
    // The first line of each board's key, read in one pass.
    std::array<int, kBoards> lineOf{};
    std::array<std::string, kBoards> lettersOf;
    eachLine(bytes, [&](std::string_view l, int no) {
        for (size_t at = l.find("Board "); at != std::string_view::npos; at = l.find("Board ", at + 1))
            if (const int j = keyBoard(l, at); j && !lineOf[j - 1]) {
                lineOf[j - 1] = no;
                lettersOf[j - 1] = l.substr(at + 9, 28);
            }
    });
    for (int j : boards) {
        const std::string key = boardKey(j);
        if (j < 1 || j > kBoards || !lineOf[j - 1]) {
            out.skipped.push_back("donne " + std::to_string(j) + " : la ligne « " + key + " » manque dans le fichier");
            continue;
        }
        const std::string &letters = lettersOf[j - 1];
        DealBuilder deal(lineAt(lineOf[j - 1]));
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
