// Verifiable dealing: key files read strictly and written once, and deals
// that depend only on the key, the board, the constraints and the cards
// already placed. The fixed vectors are those of docs/verifiable-dealing.md:
// a change that breaks them breaks every published series.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "dealing/dealer.h"
#include "dealing/dealkey.h"
#include "testutil.h"

using namespace vrek;

namespace {

DealingKey counting() {
    DealingKey k;
    for (int i = 0; i < 32; ++i) k.bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    return k;
}

// The seat letter of each card in pack order, '-' for none.
std::string letters(const Deal &d) {
    std::string s(52, '-');
    for (int seat = 1; seat <= 4; ++seat)
        for (int suit = 1; suit <= 4; ++suit)
            for (int k = 1; k <= d.holding(seat, suit).count; ++k)
                s[static_cast<size_t>(13 * (suit - 1) + d.holding(seat, suit).rank(k) - 2)] = "NESO"[seat - 1];
    return s;
}

std::vector<int> range(int from, int to) {
    std::vector<int> v;
    for (int b = from; b <= to; ++b) v.push_back(b);
    return v;
}

}  // namespace

TEST(DealingKey, KeyFilesAreReadStrictly) {
    const std::string hex = "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f";
    std::string upper = hex;
    for (char &c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    struct Case {
        std::string bytes;
        const char *refusal;  // "" when read
    } cases[] = {
        {hex + "\n", ""},
        {hex + "\r\n", ""},
        {hex, ""},
        {upper + "\n", ""},
        {"", "il est vide"},
        {"\n", "il est vide"},
        {hex.substr(0, 63) + "\n", "trop court, 63 chiffres"},
        {hex + "0\n", "trop long"},
        {hex + "\n\n", "trop long"},
        {hex + " \n", "trop long"},
        {"0x" + hex.substr(2) + "\n", "caractère non hexadécimal en position 2"},
        {"\xEF\xBB\xBF" + hex + "\n", "caractère non hexadécimal en position 1"},
    };
    for (const Case &c : cases) {
        std::string err;
        auto k = parseKeyFile(c.bytes, "k.txt", err);
        if (!*c.refusal) {
            ASSERT_TRUE(k) << c.bytes << err;
            EXPECT_EQ(*k, counting());
        } else {
            EXPECT_FALSE(k) << c.bytes;
            EXPECT_NE(err.find(std::string("Le fichier k.txt n'est pas une clé de distribution : ") + c.refusal),
                      std::string::npos)
                << err;
        }
    }
}

TEST(DealingKey, WrittenOnceForItsOwnerAndFingerprinted) {
    testutil::TempDir dir;
    const std::string path = dir.file("cle.txt");
    const DealingKey k = newDealingKey();
    EXPECT_NE(k, newDealingKey());
    ASSERT_EQ(writeKeyFile(path, k), "");
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const std::string text = testutil::readFile(path);
    EXPECT_EQ(text.size(), 65u);
    EXPECT_EQ(text, keyFileText(k));
    std::string err;
    EXPECT_EQ(readKeyFile(path, err), k);

    // Never over a file that exists, and nothing left beside it.
    EXPECT_EQ(writeKeyFile(path, counting()), "Impossible de créer la clé " + path + " : le fichier existe déjà.");
    EXPECT_EQ(testutil::readFile(path), text);
    EXPECT_NE(writeKeyFile(dir.file("absent/cle.txt"), k).find("introuvable"), std::string::npos);
    EXPECT_FALSE(readKeyFile(dir.file("autre.txt"), err));
    EXPECT_EQ(err, "Le fichier de clé " + dir.file("autre.txt") + " n'existe pas.");

    EXPECT_EQ(fingerprintOf(counting()), "630dcd2966c4336691125448bbb25b4ff412a49c732db2c8abc1b8581bd710dd");
    EXPECT_EQ(fingerprintOf(DealingKey{}), "66687aadf862bd776c8fc18b8e9f8e20089714856ee233b3902a591d0d5f2925");
}

TEST(DealingKey, FixedVectors) {
    ConstraintTable none;
    ConstraintTable strong;  // North 20-21 points, every suit 2 to 5 cards
    {
        ConstraintRecord &n = strong.record(1, North);
        n[kMinPoints] = 20;
        n[kMaxPoints] = 21;
        for (int suit = 1; suit <= 4; ++suit) {
            n[suitByte(suit, kSuitMinLength)] = 2;
            n[suitByte(suit, kSuitMaxLength)] = 5;
        }
    }
    ConstraintTable two;  // South five spades exactly, or six hearts exactly
    {
        ASSERT_TRUE(addSet(two));
        two.record(1, South)[suitByte(Spades, kSuitMinLength)] = 5;
        two.record(1, South)[suitByte(Spades, kSuitMaxLength)] = 5;
        two.record(2, South)[suitByte(Hearts, kSuitMinLength)] = 6;
        two.record(2, South)[suitByte(Hearts, kSuitMaxLength)] = 6;
    }
    Deal placed;
    placed.holding(North, Spades).insert(14);
    placed.holding(North, Spades).insert(13);
    placed.holding(East, Hearts).insert(2);
    Deal low;  // cards placed in the low suits too, for every seat
    low.holding(North, Clubs).insert(14);
    low.holding(South, Clubs).insert(2);
    low.holding(West, Diamonds).insert(10);
    low.holding(East, Diamonds).insert(13);
    low.holding(East, Hearts).insert(11);
    struct Vector {
        int board;
        const ConstraintTable *t;
        Deal start;
        uint32_t attempts;
        const char *cards;
    } vectors[] = {
        {1, &none, Deal(), 1, "NNNNOESOOSNOENOEESEESNNEOSSESSESONOSONSSSEOEONEONENO"},
        {96, &none, Deal(), 1, "NNSNSEOSNESONSNOSOEEEESNNOEESSEEESENOSNOOSOONSONOONE"},
        {7, &strong, Deal(), 148, "NESOSEONEENNOSENSEOEOSOENNOOOSNOSONSEENEENSOESSSNOSN"},
        {12, &two, Deal(), 2, "OEENEESENOSOENESNSONNOEEONNSNOSNENNSOSOSESNEOSOOSESO"},
        {33, &none, placed, 1, "SESSNONSNOOSONNEENOOESOESNESEOOSENOSSNEOOENSNEEEOSNN"},
        {58, &none, low, 1, "SSONOOSNSNOONOESNEESOOSEEOEOSSEENENESSEEONNOSESNNNON"},
    };
    for (const Vector &v : vectors) {
        Series s;
        s.deal(v.board) = v.start;
        const BoardOutcome o = dealBoard(s, v.board, *v.t, counting());
        EXPECT_EQ(o.attempts, v.attempts) << v.board;
        EXPECT_TRUE(o.satisfied);
        EXPECT_EQ(letters(s.deal(v.board)), v.cards) << v.board;
    }
}

TEST(DealingKey, ABoardDependsOnlyOnTheKeyItsNumberTheConstraintsAndItsCards) {
    ConstraintTable t;
    t.record(1, South)[kMinPoints] = 12;
    const DealingKey k = newDealingKey();
    Series all, part, alone;
    dealSeries(all, range(1, 96), t, k);
    dealSeries(part, range(1, 24), t, k);
    dealSeries(alone, {5}, t, k);
    for (int b = 1; b <= 24; ++b) EXPECT_EQ(part.deal(b), all.deal(b)) << b;
    EXPECT_EQ(alone.deal(5), all.deal(5));
    EXPECT_EQ(alone.line(provenanceLine(5)), all.line(provenanceLine(5)));

    // Any change of the key, the constraints or the placed cards deals anew.
    for (int bit = 0; bit < 256; bit += 37) {
        DealingKey flipped = k;
        flipped.bytes[static_cast<size_t>(bit / 8)] ^= static_cast<uint8_t>(1 << (bit % 8));
        Series other;
        dealSeries(other, range(1, 96), t, flipped);
        int changed = 96;
        for (int b = 1; b <= 96; ++b) changed -= other.deal(b) == all.deal(b);
        EXPECT_GE(changed, 90) << bit;
    }
    Series looser;
    ConstraintTable t11 = t;
    t11.record(1, South)[kMinPoints] = 11;
    dealSeries(looser, {5}, t11, k);
    EXPECT_NE(looser.deal(5), all.deal(5));
    // Bytes 2 and 3 and the inactive sets take no part.
    ConstraintTable spare = t;
    spare.record(1, South)[kSpareByte] = 7;
    spare.record(4, North)[kMinPoints] = 30;
    Series same;
    dealSeries(same, {5}, spare, k);
    EXPECT_EQ(same.deal(5), all.deal(5));
    Series withCard;
    withCard.deal(5).holding(West, Clubs).insert(2);
    dealSeries(withCard, {5}, t, k);
    EXPECT_NE(withCard.deal(5), all.deal(5));

    // Without a key, every run deals anew.
    Series free1, free2;
    dealSeries(free1, range(1, 4), t, processRandom());
    dealSeries(free2, range(1, 4), t, processRandom());
    EXPECT_NE(free1.deals, free2.deals);
}

