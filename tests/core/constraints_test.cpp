#include <gtest/gtest.h>

#include <sys/stat.h>

#include <set>

#include "core/constraints.h"
#include "testutil.h"

using namespace vrek;

namespace {
void expectDefault(const ConstraintRecord &r) {
    EXPECT_EQ(r[kMinPoints], 0);
    EXPECT_EQ(r[kMaxPoints], 37);
    for (int suit = 1; suit <= 4; ++suit) {
        EXPECT_EQ(r[suitByte(suit, kSuitMinPoints)], 0);
        EXPECT_EQ(r[suitByte(suit, kSuitMaxPoints)], 10);
        EXPECT_EQ(r[suitByte(suit, kSuitMinLength)], 0);
        EXPECT_EQ(r[suitByte(suit, kSuitMaxLength)], 9);
    }
}
}  // namespace

TEST(ConstraintTable, StartsInitialised) {
    ConstraintTable t;
    EXPECT_EQ(t.sets(), 1);
    EXPECT_EQ(t.editSet, 1);
    EXPECT_EQ(t.editSeat, 3);
    for (int set = 1; set <= 9; ++set)
        for (int seat = 1; seat <= 4; ++seat) expectDefault(t.record(set, seat));
    EXPECT_FALSE(warningsOf(t.edited()).any());
}

TEST(ConstraintTable, ResetKeepsBytesTwoAndThree) {
    ConstraintRecord r;
    r.b.fill(77);
    r.reset();
    expectDefault(r);
    EXPECT_EQ(r[2], 77);
    EXPECT_EQ(r[3], 77);
}

TEST(ConstraintFile, LayoutIsSetMajorWithCountInByteThree) {
    ConstraintTable t;
    addSet(t);
    addSet(t);
    addSet(t);
    t.record(2, 3)[kMinPoints] = 12;  // set 2 South
    t.record(9, 4)[19] = 5;           // last byte of the table
    std::string bytes = serializeConstraints(t);
    ASSERT_EQ(bytes.size(), 720u);
    EXPECT_EQ(bytes[3], 4);
    EXPECT_EQ(bytes[80 + 40], 12);
    EXPECT_EQ(bytes[719], 5);
    EXPECT_EQ(static_cast<uint8_t>(bytes[1]), 37);
}

TEST(ConstraintFile, RoundTripReopensOnTheLastSetAndSouth) {
    testutil::TempDir dir;
    ConstraintTable t;
    for (int i = 0; i < 3; ++i) addSet(t);
    t.record(4, 1)[suitByte(4, kSuitMinLength)] = 6;
    t.record(1, 2)[2] = 99;  // unused bytes travel unchanged
    t.editSeat = 1;
    std::string path = dir.file("c.vrc");
    ASSERT_EQ(saveConstraints(path, t), "");
    EXPECT_EQ(t.record(1, 1)[kSetCountByte], 4);
    std::string bytes = testutil::readFile(path);
    EXPECT_EQ(bytes, serializeConstraints(t));

    ConstraintTable u;
    ASSERT_EQ(openConstraints(path, u), "");
    EXPECT_EQ(u.sets(), 4);
    EXPECT_EQ(u.editSet, 4);
    EXPECT_EQ(u.editSeat, 3);
    EXPECT_EQ(u.records(), t.records());
    EXPECT_EQ(serializeConstraints(u), bytes);
}

TEST(ConstraintFile, RefusesForeignFilesAndKeepsTheTable) {
    testutil::TempDir dir;
    ConstraintTable before;
    addSet(before);
    before.record(2, 1)[kMinPoints] = 20;
    std::string good = serializeConstraints(before);

    struct Case {
        std::string name, bytes, fragment;
    };
    std::string zero = good, ten = good, crossed = good, huge = good, dormant = good;
    zero[3] = 0;
    ten[3] = 10;
    // Set 2, East: spades length 6 to 4; set 1, South: a minimum of 255 points.
    crossed[80 + 20 + suitByte(4, kSuitMinLength)] = 6;
    crossed[80 + 20 + suitByte(4, kSuitMaxLength)] = 4;
    huge[40 + kMinPoints] = static_cast<char>(255);
    huge[40 + kMaxPoints] = static_cast<char>(255);
    dormant[3 * 80 + kMinPoints] = static_cast<char>(255);  // set 4 is not dealt: no matter
    std::vector<Case> cases = {
        {"short.vrc", good.substr(0, 719), "719 octets au lieu de 720"},
        {"empty.vrc", "", "0 octets au lieu de 720"},
        {"long.vrc", good + "x", "721 octets au lieu de 720"},
        {"zero.vrc", zero, "annonce 0 niveaux"},
        {"ten.vrc", ten, "annonce 10 niveaux"},
        {"crossed.vrc", crossed, "au niveau 2, pour Est, le minimum de cartes à Pique (6) dépasse le maximum (4)."},
        {"huge.vrc", huge, "au niveau 1, pour Sud, le minimum de points de la main vaut 255 (37 au plus)."},
    };
    for (const auto &c : cases) {
        testutil::writeFile(dir.file(c.name), c.bytes);
        ConstraintTable t = before;
        std::string err = openConstraints(dir.file(c.name), t);
        EXPECT_NE(err.find(c.fragment), std::string::npos) << c.name << ": " << err;
        EXPECT_NE(err.find(c.name), std::string::npos) << err;
        EXPECT_EQ(t, before) << c.name;
    }
    testutil::writeFile(dir.file("dormant.vrc"), dormant);
    ConstraintTable t = before;
    EXPECT_EQ(openConstraints(dir.file("dormant.vrc"), t), "");
    t = before;
    EXPECT_NE(openConstraints(dir.file("absent.vrc"), t).find("n'existe pas"), std::string::npos);
    EXPECT_EQ(t, before);
    EXPECT_NE(openConstraints(dir.path(), t), "");  // a folder
    EXPECT_EQ(t, before);
}

TEST(ConstraintFile, FailedSaveKeepsFileAndTable) {
    testutil::TempDir dir;
    {
        ConstraintTable t;
        addSet(t);
        ConstraintTable before = t;
        EXPECT_NE(saveConstraints(dir.file("absent/c.vrc"), t), "");
        EXPECT_EQ(t, before);
    }
    std::string path = dir.file("c.vrc");
    testutil::writeFile(path, "old");
    if (geteuid() == 0) return;  // root writes into a read-only folder anyway
    ConstraintTable t;
    addSet(t);
    ConstraintTable before = t;
    chmod(dir.path().c_str(), 0500);
    std::string err = saveConstraints(path, t);
    chmod(dir.path().c_str(), 0700);
    EXPECT_NE(err, "");
    EXPECT_EQ(t, before);
    EXPECT_EQ(testutil::readFile(path), "old");
}

TEST(ConstraintEditor, BoundsFollowTheOtherEndOfThePair) {
    ConstraintRecord r;
    r.reset();
    EXPECT_EQ(boundsOf(r, kMinPoints).hi, 37);
    EXPECT_EQ(boundsOf(r, suitByte(2, kSuitMaxPoints)).hi, 10);
    EXPECT_EQ(boundsOf(r, suitByte(3, kSuitMaxLength)).hi, 9);

    setValue(r, kMaxPoints, 12);
    EXPECT_EQ(boundsOf(r, kMinPoints).hi, 12);
    setValue(r, kMinPoints, 20);  // cannot pass the maximum
    EXPECT_EQ(r[kMinPoints], 12);
    setValue(r, kMaxPoints, 3);  // nor the maximum fall below the minimum
    EXPECT_EQ(r[kMaxPoints], 12);
    setValue(r, kMaxPoints, 40);
    EXPECT_EQ(r[kMaxPoints], 37);

    int len = suitByte(4, kSuitMinLength);
    for (int i = 0; i < 12; ++i) stepValue(r, len, +1);
    EXPECT_EQ(r[len], 9);
    stepValue(r, len + 1, -1);  // the maximum length cannot go below 9 now
    EXPECT_EQ(r[len + 1], 9);
    for (int i = 0; i < 12; ++i) stepValue(r, len, -1);
    EXPECT_EQ(r[len], 0);
}

TEST(ConstraintEditor, ValuesFromAFileOutsideTheirWindowStepBackIn) {
    ConstraintRecord r;
    r.reset();
    r[kMinPoints] = 30;
    r[kMaxPoints] = 20;  // minimum above maximum, as a file may hold
    stepValue(r, kMinPoints, -1);
    EXPECT_EQ(r[kMinPoints], 19);
    r[kMaxPoints] = 200;
    stepValue(r, kMaxPoints, +1);
    EXPECT_EQ(r[kMaxPoints], 37);
}

TEST(ConstraintEditor, Warnings) {
    ConstraintRecord r;
    r.reset();
    for (int suit = 1; suit <= 3; ++suit) r[suitByte(suit, kSuitMinLength)] = 5;
    EXPECT_TRUE(warningsOf(r).minLengths);  // 15 > 13
    r[suitByte(3, kSuitMinLength)] = 3;
    EXPECT_FALSE(warningsOf(r).minLengths);  // exactly 13

    r.reset();
    for (int suit = 1; suit <= 4; ++suit) r[suitByte(suit, kSuitMaxLength)] = 3;
    EXPECT_TRUE(warningsOf(r).maxLengths);  // 12 < 13
    r[suitByte(1, kSuitMaxLength)] = 4;
    EXPECT_FALSE(warningsOf(r).maxLengths);

    r.reset();
    r[kMinPoints] = 30;
    for (int suit = 1; suit <= 4; ++suit) r[suitByte(suit, kSuitMaxPoints)] = 7;
    EXPECT_TRUE(warningsOf(r).minPoints);  // 30 > 28
    r[kMinPoints] = 28;
    EXPECT_FALSE(warningsOf(r).minPoints);

    r.reset();
    r[kMaxPoints] = 10;
    r[suitByte(1, kSuitMinPoints)] = 6;
    r[suitByte(4, kSuitMinPoints)] = 5;
    ConstraintWarnings w = warningsOf(r);
    EXPECT_TRUE(w.maxPoints);  // 10 < 11
    EXPECT_FALSE(w.minPoints || w.minLengths || w.maxLengths);
}

TEST(ConstraintEditor, PlusCopiesThePreviousSetUpToNine) {
    ConstraintTable t;
    t.record(1, 3)[kMinPoints] = 12;
    for (int i = 2; i <= 9; ++i) {
        ASSERT_TRUE(addSet(t));
        EXPECT_EQ(t.sets(), i);
        EXPECT_EQ(t.editSet, i);
        t.record(i, 1)[kMaxPoints] = static_cast<uint8_t>(i);
        EXPECT_EQ(t.record(i, 3)[kMinPoints], 12);
        EXPECT_EQ(t.record(i, 2), t.record(i - 1, 2));
    }
    ConstraintTable full = t;
    EXPECT_FALSE(addSet(t));
    EXPECT_EQ(t, full);
}

TEST(ConstraintEditor, MinusThenPlusOverwritesTheDroppedSet) {
    ConstraintTable t;
    addSet(t);
    addSet(t);
    t.record(3, 1)[kMinPoints] = 25;
    t.record(2, 1)[kMinPoints] = 8;
    ASSERT_TRUE(removeSet(t));
    EXPECT_EQ(t.sets(), 2);
    EXPECT_EQ(t.editSet, 2);
    EXPECT_EQ(t.record(3, 1)[kMinPoints], 25);  // kept, but out of dealing
    addSet(t);
    EXPECT_EQ(t.record(3, 1)[kMinPoints], 8);

    t.editSet = 1;
    removeSet(t);
    EXPECT_EQ(t.editSet, 1);  // still exists
    removeSet(t);
    EXPECT_EQ(t.sets(), 1);
    EXPECT_FALSE(removeSet(t));
}

TEST(ConstraintEditor, InitialiserResetsOnlyTheEditedSet) {
    ConstraintTable t;
    t.record(1, 1)[kMinPoints] = 5;
    addSet(t);
    addSet(t);
    for (int set = 1; set <= 3; ++set) t.record(set, 2)[kMaxPoints] = 20;
    t.editSet = 2;
    t.editSeat = 1;
    initialiseEditedSet(t);
    EXPECT_EQ(t.editSeat, 3);
    EXPECT_EQ(t.sets(), 3);
    expectDefault(t.record(2, 2));
    expectDefault(t.record(2, 1));
    EXPECT_EQ(t.record(1, 2)[kMaxPoints], 20);
    EXPECT_EQ(t.record(3, 2)[kMaxPoints], 20);
    EXPECT_EQ(t.record(1, 1)[kMinPoints], 5);

    t.initialiseAll();
    EXPECT_EQ(t, ConstraintTable());
}

TEST(ConstraintEditor, SeatTabsAndFields) {
    const int seats[4] = {3, 1, 4, 2};
    for (int tab = 0; tab < 4; ++tab) {
        EXPECT_EQ(seatOfTab(tab), seats[tab]);
        EXPECT_EQ(tabOfSeat(seats[tab]), tab);
    }
    EXPECT_STREQ(seatTabCaption(0), "  SUD  ");
    EXPECT_STREQ(seatTabCaption(3), "   EST  ");
    // Every editable byte appears once, and each up/down is its label's name with a u in front.
    int seen[20] = {};
    for (int i = 0; i < kConstraintFields; ++i) {
        const ConstraintField &f = constraintField(i);
        ++seen[f.byte];
        EXPECT_EQ(std::string("u") + f.label, f.updown);
    }
    for (int b = 0; b < 20; ++b) EXPECT_EQ(seen[b], b == 2 || b == 3 ? 0 : 1) << b;
}

// The dealer rebuilds its tables only when the version moves: every way of
// changing the table must move it, and nothing else may matter.
TEST(ConstraintTable, EveryChangeRenewsTheVersion) {
    ConstraintTable t;
    std::set<uint64_t> seen{t.version()};
    auto renewed = [&](const char *what) { EXPECT_TRUE(seen.insert(t.version()).second) << what; };
    t.record(1, 1)[kMinPoints] = 3;
    renewed("record");
    stepValue(t.edited(), kMaxPoints, -1);
    renewed("edited");
    addSet(t);
    renewed("addSet");
    removeSet(t);
    renewed("removeSet");
    initialiseEditedSet(t);
    renewed("initialiseEditedSet");
    t.initialiseAll();
    renewed("initialiseAll");
    t.setSets(2);
    renewed("setSets");
    ASSERT_EQ(parseConstraints(serializeConstraints(t), "x.vrc", t), "");
    renewed("parseConstraints");

    const ConstraintTable &reader = t;
    const uint64_t v = t.version();
    EXPECT_EQ(reader.record(1, 1)[kMinPoints], 0);
    EXPECT_EQ(reader.edited()[kMinPoints], 0);
    t.editSeat = 1;  // the editor's counters are not constraints
    t.editSet = 1;
    EXPECT_EQ(t.version(), v);
    ConstraintTable copy = t;
    EXPECT_EQ(copy.version(), v);  // same constraints, same version
    ConstraintTable fresh;
    EXPECT_TRUE(seen.insert(fresh.version()).second);
    EXPECT_NE(fresh.version(), 0u);
}
