#include <gtest/gtest.h>

#include <algorithm>
#include <unistd.h>

#include "platform/recordingcanvas.h"
#include "teach/background.h"
#include "teach/projection.h"
#include "testutil.h"

using namespace vrek;

namespace {

Deal sample() {
    return testutil::dealFrom("AKQJ.432.T98.765", "T98.AKQJ.432.432", "765.T98.AKQJ.T98", "432.765.765.AKQJ");
}

RecordingCanvas draw(const TeachDisplay &d, const ProjectorBackground &bg = {}, const std::string &readable = {}) {
    RecordingCanvas c(kPictureWidth, kPictureHeight, 96);
    if (!readable.empty()) c.readableImages.push_back(readable);
    drawProjector(c, d, bg);
    return c;
}

std::vector<DrawOp> ofKind(const RecordingCanvas &c, DrawOp::Kind k) {
    std::vector<DrawOp> r;
    std::copy_if(c.ops.begin(), c.ops.end(), std::back_inserter(r), [k](const DrawOp &o) { return o.kind == k; });
    return r;
}

bool hasLine(const RecordingCanvas &c, int x1, int y1, int x2, int y2, Rgb pen) {
    for (const DrawOp &o : c.lines())
        if (o.x1 == x1 && o.y1 == y1 && o.x2 == x2 && o.y2 == y2 && o.pen == pen && o.penWidth == 4) return true;
    return false;
}

TeachDisplay loaded(int board = 1, const std::string &contract = "4P= par S") {
    TeachDisplay d;
    d.load(sample(), board, contract, {"\t1 P\t---\t4P*\t---", "\t---"}, "s");
    return d;
}

}  // namespace

TEST(Projector, PlainBackgroundTableAndCardBacksAfterLoading) {
    const RecordingCanvas c = draw(loaded());
    const auto rects = ofKind(c, DrawOp::Rectangle);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].x2, 1800);
    EXPECT_EQ(rects[0].y2, 1200);
    EXPECT_EQ(rects[0].brush, kPlainBackground);
    const DrawOp *credit = c.firstText(kCreditLine);
    ASSERT_TRUE(credit);
    EXPECT_EQ(credit->x1, 200);
    EXPECT_EQ(credit->y1, 0);
    EXPECT_EQ(credit->font.name, "commercialScript BT");
    EXPECT_EQ(credit->font.size, 100);
    EXPECT_TRUE(credit->font.pixels);
    EXPECT_EQ(credit->font.colour, colour::silver);

    const auto round = ofKind(c, DrawOp::RoundRect);
    ASSERT_EQ(round.size(), 1u + 52u);
    EXPECT_EQ(round[0].x1, 650);
    EXPECT_EQ(round[0].y2, 750);
    EXPECT_EQ(round[0].rx, 30);
    EXPECT_EQ(round[0].penWidth, 4);
    // The upper hand's backs: 13 cards 40 apart from 260 left of its centre.
    EXPECT_EQ(round[1].x1, 540);
    EXPECT_EQ(round[1].y1, 200);
    EXPECT_EQ(round[1].x2, 590);
    EXPECT_EQ(round[1].y2, 300);
    EXPECT_EQ(round[1].brush, colour::cyan);
    EXPECT_EQ(round[1].penWidth, 2);
    EXPECT_EQ(round[13].x1, 540 + 12 * 40);
    EXPECT_EQ(round[14].x1, 1040);  // the right hand's first back
    // Vulnerability shown at first: board 1 is green both ways, North deals.
    EXPECT_TRUE(hasLine(c, 800, 460, 800, 740, colour::green));
    EXPECT_TRUE(hasLine(c, 660, 600, 940, 600, colour::green));
    EXPECT_TRUE(hasLine(c, 800, 460, 775, 510, colour::green));
    EXPECT_TRUE(hasLine(c, 800, 460, 825, 510, colour::green));
    // Nothing else: no texts besides the credit line.
    EXPECT_EQ(c.texts().size(), 1u);
}

TEST(Projector, BackgroundPictureWhenItCanBeRead) {
    const ProjectorBackground bg{"/x/Vrek_Fond_projecteur.bmp", 1700, 1100};
    RecordingCanvas c = draw(loaded(), bg, bg.path);
    const auto images = ofKind(c, DrawOp::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].x2, 1700);
    EXPECT_EQ(images[0].y2, 1100);
    EXPECT_FALSE(c.firstText(kCreditLine));
    // Unreadable: the plain one.
    c = draw(loaded(), bg);
    EXPECT_TRUE(c.firstText(kCreditLine));
}

TEST(Projector, BoardSevenIsRedWithTheArrowBelow) {
    TeachDisplay d = loaded(7);
    RecordingCanvas c = draw(d);
    EXPECT_TRUE(hasLine(c, 800, 460, 800, 740, colour::red));
    EXPECT_TRUE(hasLine(c, 660, 600, 940, 600, colour::red));
    EXPECT_TRUE(hasLine(c, 800, 740, 775, 690, colour::red));
    // Board 2 (East deals, North-South vulnerable): arrow at the right end.
    c = draw(loaded(2));
    EXPECT_TRUE(hasLine(c, 800, 460, 800, 740, colour::red));
    EXPECT_TRUE(hasLine(c, 940, 600, 890, 575, colour::green));
    d.toggleVulnerability();
    c = draw(d);
    EXPECT_TRUE(c.lines().empty());
}

TEST(Projector, ShownHandsLastTrickAndMarks) {
    TeachDisplay d = loaded();
    d.visible[Upper - 1] = true;
    for (int p = Upper; p <= Left; ++p) ASSERT_TRUE(d.play(p, Spades, 1));
    ASSERT_TRUE(d.play(Upper, Clubs, 1));  // the upper position leads the 7 of clubs
    const RecordingCanvas c = draw(d);

    // Upper hand: spades K Q J left after the ace, one line every 70 from the top.
    const DrawOp *spades = c.firstText("R D V");
    ASSERT_TRUE(spades);
    EXPECT_EQ(spades->x1, 800 - 240 + 70);
    EXPECT_EQ(spades->y1, 250 - 140);
    EXPECT_EQ(spades->font.name, "Century Schoolbook");
    EXPECT_EQ(spades->font.size, 70);
    const DrawOp *clubs = c.firstText("6 5");
    ASSERT_TRUE(clubs);
    EXPECT_EQ(clubs->y1, 250 - 140 + 3 * 70);
    const auto glyphs = c.textsEqual(suitSign(Hearts));
    ASSERT_FALSE(glyphs.empty());
    EXPECT_EQ(glyphs[0].x1, 560);
    EXPECT_EQ(glyphs[0].font.name, "Symbol");
    EXPECT_EQ(glyphs[0].font.colour, colour::red);
    // The other hands stay as backs: 12 each.
    EXPECT_EQ(ofKind(c, DrawOp::RoundRect).size(), 1u + 1u + 3u * 12u);

    // The last trick holds the one club, beside the upper hand, on white.
    const DrawOp *seven = c.firstText("7");
    ASSERT_TRUE(seven);
    EXPECT_EQ(seven->x1, 775 + 20);
    EXPECT_EQ(seven->y1, 452);
    EXPECT_EQ(seven->font.name, "Arial");
    EXPECT_EQ(seven->textBackground, colour::white);
    const auto club = c.textsEqual(suitSign(Clubs));  // the trick's, then the upper hand's
    ASSERT_EQ(club.size(), 2u);
    EXPECT_EQ(club[0].x1, 755);
    EXPECT_EQ(club[0].font.colour, colour::navy);

    // Trick marks: the upper pair won the first trick.
    const auto plus = c.textsEqual("+"), minus = c.textsEqual("-");
    ASSERT_EQ(plus.size(), 2u);
    ASSERT_EQ(minus.size(), 2u);
    EXPECT_EQ(plus[0].x1, 540);
    EXPECT_EQ(plus[0].y1, 750);
    EXPECT_EQ(plus[1].y1, 400);
    EXPECT_EQ(minus[0].x1, 40);
    EXPECT_EQ(minus[1].x1, 1040);
    EXPECT_EQ(plus[0].font.name, "Courier New");
    EXPECT_EQ(plus[0].font.size, 49);
    EXPECT_EQ(plus[0].textBackground, colour::cyan);
}

TEST(Projector, RevealedBidsFollowEachOtherUnderTheirPlayer) {
    TeachDisplay d = loaded();
    d.auctionShown = true;
    d.clickCell(2, 1);  // row 1 and the first cell of row 2
    RecordingCanvas c = draw(d);
    // Column 1, upper: "1P" then "---" 7 units after its width.
    const DrawOp *one = c.firstText("1P");
    ASSERT_TRUE(one);
    EXPECT_EQ(one->x1, 540);
    EXPECT_EQ(one->y1, 400);
    EXPECT_EQ(one->font.colour, colour::black);
    EXPECT_EQ(one->textBackground, colour::white);
    const auto passes = c.textsEqual("---");
    ASSERT_EQ(passes.size(), 3u);
    EXPECT_EQ(passes[0].x1, 540 + c.textWidth("1P") + 7);
    EXPECT_EQ(passes[0].textBackground, colour::green);
    EXPECT_EQ(passes[1].x1, 1040);  // right
    EXPECT_EQ(passes[2].x1, 40);    // left
    // "4P*": the star is not drawn; nothing follows it to emphasise.
    const DrawOp *four = c.firstText("4P");
    ASSERT_TRUE(four);
    EXPECT_FALSE(four->font.bold);
    EXPECT_EQ(bidText("*2 C").emphasised, "2C");
    EXPECT_EQ(bidText("*2 C").plain, "");
    EXPECT_EQ(bidText(" X ").plain, "X");

    // Hidden auction: no bid drawn.
    d.auctionShown = false;
    c = draw(d);
    EXPECT_FALSE(c.firstText("1P"));
}

TEST(Projector, ContractInItsColourAndNoTrumpVisible) {
    TeachDisplay d = loaded();
    d.contractShown = true;
    RecordingCanvas c = draw(d);
    const DrawOp *k = c.firstText("4P");
    ASSERT_TRUE(k);
    EXPECT_EQ(k->x1, 80);
    EXPECT_EQ(k->y1, 150);
    EXPECT_EQ(k->font.size, 200);
    EXPECT_EQ(k->textBackground, colour::white);
    EXPECT_EQ(contractColour("4C"), colour::red);
    EXPECT_EQ(contractColour("4K"), colour::maroon);
    EXPECT_EQ(contractColour("4P"), colour::black);
    EXPECT_EQ(contractColour("2T"), colour::navy);
    EXPECT_EQ(contractColour("3SA"), colour::green);
    EXPECT_EQ(suitLine(d.deal.holding(Right, Hearts)), "A R D V");

    // A contract too long for its place is drawn smaller, clear of North's hand (from x 500).
    for (const char *text : {"4P", "3SA*", "7SAXX", "7SAXX= par S sur entame AP"}) {
        TeachDisplay t = loaded(1, text);
        t.contractShown = true;
        t.visible[Upper - 1] = true;
        RecordingCanvas r = draw(t);
        const DrawOp *shown = r.firstText(t.contract);
        ASSERT_TRUE(shown) << text;
        EXPECT_EQ(shown->x1, 80);
        r.setFont(shown->font);
        EXPECT_LE(shown->x1 + r.textWidth(t.contract), 480) << text;
        EXPECT_EQ(shown->font.size < 200, t.contract == "7SAXX") << text;
    }
}

namespace {

// A 24-bit BMP of w x h pixels (h < 0: rows top-down), cut to `keep` bytes when given.
std::string bmp(int w, int h, size_t keep = std::string::npos) {
    auto le = [](std::string &s, uint32_t v, int n) {
        for (int i = 0; i < n; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
    };
    const uint32_t row = (w * 24 + 31) / 32 * 4, data = row * static_cast<uint32_t>(h < 0 ? -h : h);
    std::string s = "BM";
    le(s, 54 + data, 4);
    le(s, 0, 4);
    le(s, 54, 4);
    le(s, 40, 4);
    le(s, static_cast<uint32_t>(w), 4);
    le(s, static_cast<uint32_t>(h), 4);
    le(s, 1, 2);
    le(s, 24, 2);
    le(s, 0, 4);
    le(s, data, 4);
    le(s, 0, 16);
    s += std::string(data, '\x7F');
    return s.substr(0, keep);
}

}  // namespace

TEST(Projector, ABmpCutShortIsNotWhole) {
    EXPECT_TRUE(bmpWhole(bmp(3, 2)));
    EXPECT_TRUE(bmpWhole(bmp(3, -2)));
    EXPECT_FALSE(bmpWhole(bmp(3, 2, bmp(3, 2).size() - 1)));
    EXPECT_FALSE(bmpWhole(bmp(1800, 1200, 1000)));
    EXPECT_FALSE(bmpWhole(bmp(3, 2, 20)));
    EXPECT_FALSE(bmpWhole(bmp(0, 2)));
    EXPECT_FALSE(bmpWhole("BM"));
    // Not a BMP: the decoder decides.
    EXPECT_TRUE(bmpWhole("\x89PNG\r\n"));
    EXPECT_TRUE(bmpWhole(""));
}

// The background is bounded before a byte of it is read, and its declared
// size is checked without overflowing; what cannot serve is said.
TEST(Projector, BackgroundsAreBoundedBeforeTheyAreRead) {
    testutil::TempDir d;
    const std::string folder = d.path() + "/", file = d.file(kBackgroundFile);
    EXPECT_EQ(loadBackground(folder, nullptr).error, "");  // none: the plain background, silently
    testutil::writeFile(file, bmp(3, 2));
    EXPECT_EQ(loadBackground(folder, nullptr).background.width, 3);
    std::string vast = bmp(3, 2);
    for (int at : {18, 22}) vast.replace(at, 4, "\xFF\xFF\xFF\x7F");  // 2^31 - 1 square, in 60 bytes
    testutil::writeFile(file, vast);
    EXPECT_NE(loadBackground(folder, nullptr).error.find("est abîmé ou n'est pas une image"), std::string::npos);
    testutil::writeFile(file, "\x89PNG");
    const BackgroundRead png = loadBackground(folder, [](const std::string &) { return std::optional(std::pair{9000, 9000}); });
    EXPECT_NE(png.error.find("est trop grand (9000 x 9000 points)"), std::string::npos) << png.error;
    ASSERT_EQ(::truncate(file.c_str(), off_t(1) << 30), 0);
    const BackgroundRead huge = loadBackground(folder, nullptr);
    EXPECT_NE(huge.error.find("trop grand (1073741824 octets) : Vrek n'en lit pas de plus de 64 Mo."), std::string::npos);
    EXPECT_TRUE(huge.background.path.empty() && png.background.path.empty());
}

// The numbers go under the cards of the hand on turn, only when the class
// sees that hand, the answer is whole and the second tick asks for them.
TEST(Projector, DoubleDummyNumbersOnlyUnderTheShownHandOnTurn) {
    const struct {
        bool onProjector, shown, waiting;
        size_t numbers;
    } cases[] = {{true, true, false, 13}, {false, true, false, 0}, {true, false, false, 0}, {true, true, true, 0}};
    for (const auto &k : cases) {
        TeachDisplay d = loaded();  // 4P: West, on lead, holds 432.765.765.AKQJ
        d.visible[Upper - 1] = true;
        d.visible[Left - 1] = k.shown;
        d.numbersOnProjector = k.onProjector;
        d.numbers.position = Left;
        for (int suit = Clubs; suit <= Spades; ++suit)
            for (int slot = 1; slot <= d.deal.holding(Left, suit).count; ++slot)
                d.numbers.cards.push_back({cardCode(suit, d.rankAt(Left, suit, slot)), suit == Clubs ? 9 : 10});
        d.numbers.best = 9;
        if (k.waiting) d.numbers.cards.back().tricks = -1;
        const RecordingCanvas c = draw(d);
        std::vector<DrawOp> numbers;
        for (const DrawOp &o : c.texts())
            if (o.font.name == "Arial" && (o.text == "9" || o.text == "10")) numbers.push_back(o);
        ASSERT_EQ(numbers.size(), k.numbers) << k.onProjector << k.shown << k.waiting;
        if (!k.numbers) continue;
        // Clubs, the last line, are the best cards: white on the contract's colour.
        const auto letters = c.textsEqual("A");  // West's club ace; North's hand is drawn a line at a time
        ASSERT_EQ(letters.size(), 1u);
        const DrawOp &ace = letters[0], &under = numbers[9];
        EXPECT_EQ(under.text, "9");
        EXPECT_EQ(under.y1, ace.y1 + 39);
        EXPECT_EQ(ace.y1, 600 - 140 + 3 * 70);
        // Centred under its letter (fixed metrics: half the height wide).
        EXPECT_NEAR(under.x1 + under.font.size / 4, ace.x1 + ace.font.size / 4, 1);
        EXPECT_EQ(under.textBackground, colour::black);
        EXPECT_EQ(under.font.colour, colour::white);
        EXPECT_EQ(numbers[0].text, "10");
        EXPECT_FALSE(numbers[0].textBackground);
        // Two numbers of two digits never touch.
        EXPECT_GE(numbers[1].x1 - numbers[0].x1, numbers[0].font.size);
    }
}
