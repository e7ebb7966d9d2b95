#include "formats/dlm.h"

#include "formats/machinefiles.h"
#include "formats/textlines.h"

namespace vrek {

namespace {
constexpr int kLastBoard = 99;  // the machine's file always runs to board 99

std::string boardNumber(int b) { return zeroPadded(b, 2); }

int headerChecksum(int boards) { return dlmChecksum(boards & 0xFF, "ab"); }

void addBoard(std::vector<std::string> &lines, int board, const std::string &letters) {
    lines.push_back("Duplicates " + boardNumber(board) + "=0");
    lines.push_back(dlmBoardLine(board, letters));
}

void addFillers(std::vector<std::string> &lines, int first, const std::string &letters) {
    for (int b = first; b <= kLastBoard; ++b) lines.push_back(dlmBoardLine(b, letters));
}

bool startsWith(const std::string &s, const std::string &p) { return s.compare(0, p.size(), p) == 0; }

std::string badHeaderMessage(const std::string &fileName) {
    return "L'en-tête du fichier \r\r" + fileName +
           "\r\rn'est pas celui d'un fichier de 96 mains (ligne Checksum=99 absente) : "
           "le fichier n'est pas complété.";
}
}  // namespace

std::string dlmBoardLetters(const CardOwners &owners) {
    std::string s(26, 'a');
    for (int k = 0; k < 26; ++k) s[k] = static_cast<char>('a' + 4 * (owners[2 * k] - 1) + (owners[2 * k + 1] - 1));
    return s;
}

int dlmChecksum(int seed, const std::string &text) {
    unsigned v = static_cast<unsigned>(seed) & 0xFF;
    for (unsigned char c : text) v ^= c;
    return static_cast<int>(v & 0xFF);
}

std::string dlmBoardLine(int board, const std::string &letters) {
    return "Board " + boardNumber(board) + "=" + letters + zeroPadded(dlmChecksum(board & 0xFF, letters), 3);
}

ExportOutput writeDlm(const Series &s, const Selection &sel, const ExportOptions &opt) {
    ExportOutput out;
    const auto found = machineRunFor(s, sel, out);
    if (!found) return out;
    const MachineRun &run = *found;
    const int n = static_cast<int>(run.boards.size());
    std::vector<std::string> letters;
    for (const auto &o : run.boards) letters.push_back(dlmBoardLetters(o));

    std::vector<std::string> lines;
    if (opt.numbering == Numbering::FromOne) {
        lines = {"[Document]",
                 "Headline=" + s.line(0),
                 "Status=Edit",
                 "Duplicates=1",
                 "From board=1",
                 "To board=" + std::to_string(n),
                 "Next board to duplimate=1",
                 "PrintOuts=0",
                 "Crypto key=0",
                 "Checksum=" + std::to_string(headerChecksum(n))};
        for (int b = 1; b <= n; ++b) addBoard(lines, b, letters[b - 1]);
        addFillers(lines, n + 1, letters[n - 1]);
    } else {
        lines = splitLines(opt.existing);
        auto find = [&](const std::string &l) {
            for (size_t i = 0; i < lines.size(); ++i)
                if (lines[i] == l) return static_cast<long>(i);
            return -1L;
        };
        long last = -1;  // the line of board 96
        for (size_t i = 0; i < lines.size(); ++i)
            if (startsWith(lines[i], "Board 96=")) {
                last = static_cast<long>(i);
                break;
            }
        long to = find("To board=96");
        if (to < 0 || last < 0) {
            out.error = not96BoardsMessage(opt.existingName);
            return out;
        }
        long sum = find("Checksum=99");
        if (sum < 0) {
            out.error = badHeaderMessage(opt.existingName);
            return out;
        }
        lines[to] = "To board=" + std::to_string(kBoards + n);
        lines[sum] = "Checksum=" + std::to_string(headerChecksum(kBoards + n));
        // The old filler boards 97 .. 99 give way to the new boards.
        std::vector<std::string> kept(lines.begin(), lines.begin() + last + 1);
        for (size_t i = last + 1; i < lines.size(); ++i)
            if (!startsWith(lines[i], "Board 97=") && !startsWith(lines[i], "Board 98=") &&
                !startsWith(lines[i], "Board 99="))
                kept.push_back(lines[i]);
        lines = std::move(kept);
        for (int b = 1; b <= n; ++b) addBoard(lines, kBoards + b, letters[b - 1]);
        addFillers(lines, kBoards + n + 1, letters[n - 1]);
    }
    out.bytes = joinLines(lines);
    out.count = n;
    return out;
}

}  // namespace vrek
