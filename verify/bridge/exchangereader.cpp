#include "verify/bridge/exchangereader.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace bridge {

namespace {

const char *kSeats = "nesw";
const char *kSuits = "SHDC";        // DDS suit order
const char *kStrains = "SHDCN";     // DDS strain order
const char *kRanks = "23456789TJQKA";

int rankOf(char c) {
    const char *p = c ? std::strchr(kRanks, c) : nullptr;
    return p ? static_cast<int>(p - kRanks) + 2 : 0;
}

int indexIn(const char *set, char c) {
    const char *p = c ? std::strchr(set, c) : nullptr;
    return p ? static_cast<int>(p - set) : -1;
}

int seatOf(char c) { return indexIn(kSeats, static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c)); }

std::string printable(const std::string &s) {
    std::string out;
    for (char c : s.substr(0, 40)) out += (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126) ? '?' : c;
    return s.size() > 40 ? out + "..." : out;
}

bool lineError(std::string &error, int line, const std::string &what) {
    error = "ligne " + std::to_string(line) + " : " + what;
    return false;
}

}  // namespace

bool parseCommand(const std::string &bytes, std::string &path, std::string &error) {
    std::string c = bytes.substr(0, std::min(bytes.size(), kCommandSize));
    size_t z = c.find('\0');
    if (z != std::string::npos) {
        for (size_t i = z; i < c.size(); ++i)
            if (c[i] != '\0') {
                error = "commande reçue invalide : des octets suivent le zéro de fin";
                return false;
            }
        c.resize(z);
    }
    while (!c.empty() && (c.back() == '\n' || c.back() == '\r')) c.pop_back();
    if (c.compare(0, 5, "-dcq ") != 0) {
        error = "commande reçue invalide (« -dcq » suivi du fichier d'échange attendu) : « " + printable(c) + " »";
        return false;
    }
    path = c.substr(5);
    if (path.empty()) {
        error = "commande reçue sans nom de fichier d'échange";
        return false;
    }
    return true;
}

bool parseExchange(const std::string &bytes, Problem &out, std::string &error) {
    if (bytes.size() > kMaxExchangeSize) {
        error = "trop grand (" + std::to_string(bytes.size()) + " octets)";
        return false;
    }
    std::vector<std::string> lines;
    size_t p = 0;
    while (p < bytes.size()) {
        size_t e = bytes.find('\n', p);
        std::string l = bytes.substr(p, e == std::string::npos ? std::string::npos : e - p);
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lines.push_back(l);
        p = e == std::string::npos ? bytes.size() : e + 1;
    }
    while (lines.size() > 6 && lines.back().empty()) lines.pop_back();
    if (lines.size() < 6) {
        error = "incomplet : " + std::to_string(lines.size()) + " ligne(s) au lieu de 6";
        return false;
    }
    if (lines.size() > 6) return lineError(error, 7, "texte inattendu après les 6 lignes");

    Problem pb;
    bool seen[4][15] = {};
    for (int hand = 0; hand < 4; ++hand) {
        const std::string &l = lines[hand];
        const int n = hand + 1;
        if (l.size() < 2 || seatOf(l[0]) != hand || l[1] != ' ')
            return lineError(error, n, std::string("la main doit commencer par « ") + kSeats[hand] + " » : « " +
                                           printable(l) + " »");
        int suit = 0, count = 0;
        for (size_t i = 2; i < l.size(); ++i) {
            char c = l[i];
            if (c == '.') {
                if (++suit > 3) return lineError(error, n, "plus de quatre couleurs");
                continue;
            }
            int r = rankOf(c);
            if (!r) return lineError(error, n, "carte inconnue « " + printable(std::string(1, c)) + " »");
            if (seen[suit][r])
                return lineError(error, n, std::string("carte en double : ") + kSuits[suit] + kRanks[r - 2]);
            seen[suit][r] = true;
            pb.cards[hand][suit] |= 1u << r;
            ++count;
        }
        if (suit != 3) return lineError(error, n, "quatre couleurs séparées par « . » attendues");
        if (count != 13)
            return lineError(error, n, "la main a " + std::to_string(count) + " cartes au lieu de 13");
    }

    const std::string &c = lines[4];
    if (c.size() != 3 || seatOf(c[0]) < 0 || c[1] != ' ' || indexIn(kStrains, c[2]) < 0)
        return lineError(error, 5, "déclarant (n, e, s, w) et dénomination (N, S, H, D, C) attendus : « " +
                                       printable(c) + " »");
    pb.declarer = seatOf(c[0]);
    pb.strain = indexIn(kStrains, c[2]);

    const std::string &lead = lines[5];
    if (lead.size() != 2 || indexIn(kSuits, lead[0]) < 0 || !rankOf(lead[1]))
        return lineError(error, 6, "entame attendue sous la forme couleur et rang, comme S5 : « " + printable(lead) + " »");
    pb.leadSuit = indexIn(kSuits, lead[0]);
    pb.leadRank = rankOf(lead[1]);
    if (!(pb.cards[pb.leader()][pb.leadSuit] & (1u << pb.leadRank)))
        return lineError(error, 6, std::string("l'entameur (") + kSeats[pb.leader()] + ") n'a pas la carte " + lead);
    out = pb;
    return true;
}

bool readExchangeFile(const std::string &path, Problem &out, std::string &error) {
    const std::string name = "fichier d'échange « " + path + " » : ";
    std::error_code ec;
    auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        error = name + "introuvable";
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        error = name + "ce n'est pas un fichier ordinaire";
        return false;
    }
    std::ifstream f(path, std::ios::binary);
    std::string bytes(kMaxExchangeSize + 1, '\0');
    if (f) f.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f && !f.eof()) {
        error = name + "lecture impossible (accès refusé ?)";
        return false;
    }
    bytes.resize(static_cast<size_t>(f.gcount()));
    if (!parseExchange(bytes, out, error)) {
        error = name + error;
        return false;
    }
    return true;
}

}  // namespace bridge
