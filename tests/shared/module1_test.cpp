#include "shared/module1.h"

#include <gtest/gtest.h>

namespace {

class Module1Test : public ::testing::Test {
protected:
    void SetUp() override { Module1::reset(); }
    void TearDown() override { Module1::reset(); }
};

TEST_F(Module1Test, UnwrittenValuesReadAsEmptyTextAndZero) {
    EXPECT_EQ(Module1::QuestionStem[23].text(), "");
    EXPECT_EQ(Module1::CurrentItem.number(), 0);
    EXPECT_TRUE(Module1::CurrentItem == 0);
    EXPECT_TRUE(Module1::CurrentItem == "");
    EXPECT_EQ(Module1::UnansweredCount, 0);
}

TEST_F(Module1Test, AValueHoldsWhicheverKindWasStoredLast) {
    Variant v = 3;
    EXPECT_TRUE(v.isInteger());
    EXPECT_EQ(v.text(), "3");
    v = "A";
    EXPECT_TRUE(v.isText());
    EXPECT_EQ(v.number(), 0);
    EXPECT_FALSE(v == "a") << "comparisons are case-sensitive";
    EXPECT_FALSE(Variant("") == Variant("  "));
    EXPECT_EQ(Variant(40000).number(), 32767) << "counters are 16-bit";
}

TEST_F(Module1Test, AccessesOffTheTableReadEmptyAndDropWrites) {
    Module1::OptionA[70] = "last";
    Module1::OptionA[71] = "beyond";
    Module1::OptionA[-1] = "before";
    EXPECT_TRUE(Module1::OptionA[71].isEmpty());
    EXPECT_TRUE(Module1::OptionA[-1].isEmpty());
    EXPECT_EQ(Module1::OptionA[70].text(), "last");
    EXPECT_TRUE(Module1::OptionA[0].isEmpty());
    EXPECT_TRUE(Module1::OptionB[0].isEmpty()) << "the neighbouring table is untouched";
    const Table& constant = Module1::OptionA;
    EXPECT_TRUE(constant[1000].isEmpty());
}

TEST_F(Module1Test, TablesAreIndependentAndResetEmptiesThem) {
    Module1::QuestionStem[1] = "题干";
    Module1::CorrectAnswer[1] = "B";
    Module1::CurrentItem = 4;
    EXPECT_TRUE(Module1::Analysis[1].isEmpty());
    Module1::reset();
    EXPECT_TRUE(Module1::QuestionStem[1].isEmpty());
    EXPECT_TRUE(Module1::CurrentItem.isEmpty());
}

}  // namespace
