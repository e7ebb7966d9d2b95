#include <gtest/gtest.h>

#include <cstring>

#include "testutil.h"
#include "verify/bridge/exchangereader.h"
#include "verify/exchange.h"

using bridge::Problem;

namespace {

const std::string kGood =
    "n AKQ2.AQJ.AKQ.AKQ\r\n"
    "e JT9.T98.JT9.JT98\r\n"
    "s 876.765.8765.765\r\n"
    "w 543.K432.432.432\r\n"
    "s H\r\n"
    "HK\r\n";

std::string parseError(const std::string &text) {
    Problem p;
    std::string error;
    EXPECT_FALSE(bridge::parseExchange(text, p, error)) << text;
    return error;
}

std::string replaceLine(int n, const std::string &with) {
    std::string t = kGood;
    size_t b = 0;
    for (int i = 1; i < n; ++i) b = t.find("\r\n", b) + 2;
    size_t e = t.find("\r\n", b);
    return t.replace(b, e - b, with);
}

}  // namespace

TEST(ExchangeReader, ReadsWhatVrekWrites) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        vrek::Deal d = testutil::shuffledDeal(seed);
        int declarer = static_cast<int>(seed % 4) + 1;
        int leader = declarer % 4 + 1;
        auto strain = static_cast<vrek::Strain>(seed % 5);
        int lead = 0;
        for (int suit = vrek::Clubs; suit <= vrek::Spades && !lead; ++suit)
            if (d.holding(leader, suit).count) lead = suit * 100 + d.holding(leader, suit).rank(1);

        Problem p;
        std::string error;
        ASSERT_TRUE(bridge::parseExchange(vrek::exchangeText(d, declarer, strain, lead), p, error)) << error;
        EXPECT_EQ(p.declarer, declarer - 1);
        EXPECT_EQ(p.leader(), leader - 1);
        const int ddsStrain[] = {4, 0, 1, 2, 3};  // Sans-Atout, spades, hearts, diamonds, clubs
        EXPECT_EQ(p.strain, ddsStrain[static_cast<int>(strain)]);
        EXPECT_EQ(p.leadSuit, 4 - lead / 100);
        EXPECT_EQ(p.leadRank, lead % 100);
        for (int seat = 1; seat <= 4; ++seat)
            for (int suit = 1; suit <= 4; ++suit) {
                unsigned bits = 0;
                const vrek::Holding &h = d.holding(seat, suit);
                for (int k = 1; k <= h.count; ++k) bits |= 1u << h.rank(k);
                EXPECT_EQ(p.cards[seat - 1][4 - suit], bits);
            }
    }
}

TEST(ExchangeReader, LineEndsAndTrailingBlankLines) {
    Problem a, b;
    std::string error;
    ASSERT_TRUE(bridge::parseExchange(kGood, a, error)) << error;
    std::string lf = kGood;
    for (size_t p; (p = lf.find('\r')) != std::string::npos;) lf.erase(p, 1);
    ASSERT_TRUE(bridge::parseExchange(lf + "\n\n", b, error)) << error;
    EXPECT_EQ(std::memcmp(a.cards, b.cards, sizeof a.cards), 0);
    EXPECT_EQ(a.strain, 1);
    EXPECT_EQ(a.declarer, 2);
    EXPECT_EQ(a.leadSuit, 1);
    EXPECT_EQ(a.leadRank, 13);
}

TEST(ExchangeReader, DamagedFilesSayWhatIsWrong) {
    EXPECT_EQ(parseError(""), "incomplet : 0 ligne(s) au lieu de 6");
    EXPECT_EQ(parseError(kGood.substr(0, 60)), "incomplet : 3 ligne(s) au lieu de 6");
    EXPECT_EQ(parseError(kGood + "extra\r\n"), "ligne 7 : texte inattendu après les 6 lignes");
    EXPECT_EQ(parseError(std::string(5000, 'n')), "trop grand (5000 octets)");
    EXPECT_EQ(parseError(replaceLine(2, "s JT9.T98.JT9.JT98")),
              "ligne 2 : la main doit commencer par « e » : « s JT9.T98.JT9.JT98 »");
    EXPECT_EQ(parseError(replaceLine(2, "eJT9.T98.JT9.JT98")).substr(0, 10), "ligne 2 : ");
    EXPECT_EQ(parseError(replaceLine(1, "n AKQ2.AQJ.AKQ.AKX")), "ligne 1 : carte inconnue « X »");
    EXPECT_EQ(parseError(replaceLine(1, "n AKQ2.AQJ.AKQ.AK10")), "ligne 1 : carte inconnue « 1 »");
    EXPECT_EQ(parseError(replaceLine(1, "n AKQ2.AQJ.AKQ.AKQ.")), "ligne 1 : plus de quatre couleurs");
    EXPECT_EQ(parseError(replaceLine(1, "n AKQ2.AQJ.AKQ")), "ligne 1 : quatre couleurs séparées par « . » attendues");
    EXPECT_EQ(parseError(replaceLine(1, "n AKQ2.AQJ.AKQ.AK")), "ligne 1 : la main a 12 cartes au lieu de 13");
    EXPECT_EQ(parseError(replaceLine(2, "e JT9.T98.JT9.JT9Q")), "ligne 2 : carte en double : CQ");
    EXPECT_EQ(parseError(replaceLine(1, "n AAKQ2.AQJ.AKQ.AK")), "ligne 1 : carte en double : SA");
    EXPECT_EQ(parseError(replaceLine(5, "s X")).substr(0, 10), "ligne 5 : ");
    EXPECT_EQ(parseError(replaceLine(5, "x H")).substr(0, 10), "ligne 5 : ");
    EXPECT_EQ(parseError(replaceLine(5, "s HH")).substr(0, 10), "ligne 5 : ");
    EXPECT_EQ(parseError(replaceLine(6, "H")).substr(0, 10), "ligne 6 : ");
    EXPECT_EQ(parseError(replaceLine(6, "K5")).substr(0, 10), "ligne 6 : ");
    EXPECT_EQ(parseError(replaceLine(6, "SA")), "ligne 6 : l'entameur (w) n'a pas la carte SA");
    EXPECT_EQ(parseError(std::string("\x00\xff\x01garbage\n", 11)).substr(0, 9), "incomplet");
    std::string binary;
    for (int i = 0; i < 300; ++i) binary += static_cast<char>((i * 37) & 0xff);
    EXPECT_FALSE(parseError(binary).empty());
}

TEST(Command, ZeroPaddedPathAfterDcq) {
    std::string path, error;
    std::string cmd = "-dcq /tmp/a b/vrek.txt";
    cmd.resize(255, '\0');
    ASSERT_TRUE(bridge::parseCommand(cmd, path, error)) << error;
    EXPECT_EQ(path, "/tmp/a b/vrek.txt");
    ASSERT_TRUE(bridge::parseCommand("-dcq /tmp/vrek.txt\r\n", path, error));
    EXPECT_EQ(path, "/tmp/vrek.txt");
    std::string full = "-dcq /" + std::string(249, 'p');
    ASSERT_TRUE(bridge::parseCommand(full, path, error));
    EXPECT_EQ(path.size(), 250u);

    EXPECT_FALSE(bridge::parseCommand("", path, error));
    EXPECT_FALSE(bridge::parseCommand("-dcq ", path, error));
    EXPECT_EQ(error, "commande reçue sans nom de fichier d'échange");
    EXPECT_FALSE(bridge::parseCommand("-xyz /tmp/vrek.txt", path, error));
    EXPECT_EQ(error, "commande reçue invalide (« -dcq » suivi du fichier d'échange attendu) : « -xyz /tmp/vrek.txt »");
    EXPECT_FALSE(bridge::parseCommand(std::string("-dcq /tmp/a\0/etc", 16), path, error));
}

TEST(ExchangeFile, MissingOrUnreadable) {
    testutil::TempDir dir;
    Problem p;
    std::string error;
    EXPECT_FALSE(bridge::readExchangeFile(dir.file("none.txt"), p, error));
    EXPECT_EQ(error, "fichier d'échange « " + dir.file("none.txt") + " » : introuvable");
    EXPECT_FALSE(bridge::readExchangeFile(dir.path(), p, error));
    EXPECT_EQ(error, "fichier d'échange « " + dir.path() + " » : ce n'est pas un fichier ordinaire");
    testutil::writeFile(dir.file("bad.txt"), replaceLine(6, "SA"));
    EXPECT_FALSE(bridge::readExchangeFile(dir.file("bad.txt"), p, error));
    EXPECT_EQ(error, "fichier d'échange « " + dir.file("bad.txt") + " » : ligne 6 : l'entameur (w) n'a pas la carte SA");
    testutil::writeFile(dir.file("good.txt"), kGood);
    EXPECT_TRUE(bridge::readExchangeFile(dir.file("good.txt"), p, error)) << error;
}
