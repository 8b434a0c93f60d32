// The creature on show: one value, told to those who follow it when it
// changes, and only then.
#include "views/CalculatorHandoff.h"
#include "views/Selection.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Selection, ToldOnceEachChangeInOrderAndNoLongerOnceUnfollowed)
{
    Selection s;
    EXPECT_FALSE(s.Creature().has_value());
    std::vector<int> first, second;
    const int a = s.Follow([&](species::Creature c) { first.push_back(c.Number()); });
    const int b = s.Follow([&](species::Creature c) {
        second.push_back(c.Number());
        s.Unfollow(b); // unfollowing while being told is allowed
    });
    EXPECT_NE(a, b);
    s.SetCreature(*species::Creature::FromNumber(25));
    s.SetCreature(*species::Creature::FromNumber(25)); // no change, nothing told
    s.SetCreature(*species::Creature::FromNumber(0));
    EXPECT_EQ(first, (std::vector<int>{25, 0}));
    EXPECT_EQ(second, (std::vector<int>{25}));
    ASSERT_TRUE(s.Creature().has_value());
    EXPECT_EQ(s.Creature()->Number(), 0);
    s.Unfollow(a);
    s.SetCreature(*species::Creature::FromNumber(151));
    EXPECT_EQ(first.size(), 2u);
    s.Reset();
    EXPECT_FALSE(s.Creature().has_value());
}

TEST(Selection, ACreatureIsANumberFromZeroTo151)
{
    EXPECT_FALSE(species::Creature::FromNumber(-1));
    EXPECT_FALSE(species::Creature::FromNumber(152));
    EXPECT_TRUE(species::Creature::FromNumber(0)->IsGlitch());
    EXPECT_EQ(species::Creature::FromNumber(151)->Number(), 151);
}

// A side sent to the calculator is there to take while the calculator opens,
// once; sent while nothing opens it (a modal window holds the input), it is
// dropped rather than shown by a later opening.
TEST(CalculatorHandoff, TakenOnceWhileTheCalculatorOpensElseDropped)
{
    CalculatorHandoff h;
    HandedSide side;
    side.Level = 21;
    h.Send(side); // no opener yet
    EXPECT_FALSE(h.Take());
    std::vector<int> taken;
    h.SetOpener([&] {
        if (const auto s = h.Take())
            taken.push_back(s->Sides.at(0).Level);
        EXPECT_FALSE(h.Take()) << "taken twice";
    });
    h.Send(side);
    EXPECT_EQ(taken, std::vector<int>{21});
    h.SetOpener([] {}); // blocked: nobody takes it
    h.Send(side);
    EXPECT_FALSE(h.Take());
    h.Reset();
    h.Send(side);
    EXPECT_EQ(taken.size(), 1u);
}
