// The exam bank's loader: which selections load a set, and what the tables hold after.
#include "bank/form21.h"

#include "bank/exam_bank_content.h"
#include "cases/form10.h"
#include "support/trainer_test.h"

using namespace forms;
using namespace Module1;

namespace {

Table* const kRecordTables[] = {&QuestionStem, &OptionA, &OptionB, &OptionC, &OptionD, &CorrectAnswer, &Analysis};

class BankLoaderTest : public TrainerTest {
protected:
    // Every element of every record table marked with where it is.
    static void markTables(const std::string& mark) {
        for (Table* t : kRecordTables)
            for (int i = 0; i <= 70; ++i) (*t)[i] = mark + std::to_string(i);
    }
    static void expectSetAt(int set) {
        const bank::ExamSet& records = bank::examSet(set);
        for (int q = 1; q <= 20; ++q) {
            const ChoiceRecord& r = records[static_cast<std::size_t>(q - 1)];
            EXPECT_EQ(QuestionStem[q].text(), r.stem) << q;
            EXPECT_EQ(OptionA[q].text(), r.options[0]) << q;
            EXPECT_EQ(OptionB[q].text(), r.options[1]) << q;
            EXPECT_EQ(OptionC[q].text(), r.options[2]) << q;
            EXPECT_EQ(OptionD[q].text(), r.options[3]) << q;
            EXPECT_EQ(CorrectAnswer[q].text(), r.answer) << q;
            EXPECT_EQ(Analysis[q].text(), r.analysis) << q;
        }
    }
    static void loadFor(const std::string& selection) {
        setCurrentSelection(selection);
        Preload<Form21>();
    }
};

TEST_F(BankLoaderTest, SetSevenFillsElementsOneToTwentyOnly) {
    markTables("old");
    loadFor("第7套");
    std::string letters;
    for (int q = 1; q <= 20; ++q) letters += CorrectAnswer[q].text();
    EXPECT_EQ(letters, "CCADABDCCBABBDBBABCD");
    expectSetAt(7);
    for (Table* t : kRecordTables) {
        EXPECT_EQ((*t)[0].text(), "old0");
        EXPECT_EQ((*t)[21].text(), "old21");
        EXPECT_EQ((*t)[70].text(), "old70");
    }
    EXPECT_TRUE(isLoaded<Form21>());
    EXPECT_FALSE(isShown<Form21>());
}

TEST_F(BankLoaderTest, EverySetFromTheFirstToTheFortiethLoadsItsOwnRecords) {
    for (int n : {1, 20, 21, 33, 40}) {
        markTables("old");
        loadFor("第" + std::to_string(n) + "套");
        expectSetAt(n);
        EXPECT_EQ(QuestionStem[21].text(), "old21");
        unload<Form21>();
    }
}

TEST_F(BankLoaderTest, NamesThatAreNotExactlyASetLoadNothing) {
    const std::vector<std::string> names = {" 第7套", "第7套 ", "第07套", "第７套", "第 7套", "实例3",
                                            "",       "第0套",  "第7",    "第41套", "第037套"};
    for (const std::string& name : names) {
        markTables("old");
        loadFor(name);
        for (Table* t : kRecordTables)
            for (int i = 0; i <= 70; ++i) ASSERT_EQ((*t)[i].text(), "old" + std::to_string(i)) << "\"" << name << "\"";
        unload<Form21>();
    }
}

TEST_F(BankLoaderTest, WithoutTheChooserTheSelectionIsTheFirstCaseAndNothingLoads) {
    markTables("old");
    Preload<Form21>();
    EXPECT_TRUE(isLoaded<Form10>());
    EXPECT_FALSE(isShown<Form10>());
    EXPECT_EQ(CurrentSelection(), "实例1");
    EXPECT_EQ(QuestionStem[1].text(), "old1");
}

TEST_F(BankLoaderTest, AUnitsRecordsAboveTwentySurviveAnExamSet) {
    markTables("unit");
    loadFor("第12套");
    expectSetAt(12);
    for (Table* t : kRecordTables)
        for (int i = 21; i <= 40; ++i) EXPECT_EQ((*t)[i].text(), "unit" + std::to_string(i));
}

TEST_F(BankLoaderTest, ALoadedLoaderKeepsItsSetUntilItIsUnloaded) {
    loadFor("第3套");
    loadFor("第5套");
    expectSetAt(3);
    unload<Form21>();
    loadFor("第2套");
    unload<Form21>();
    loadFor("第9套");
    expectSetAt(9);
}

TEST_F(BankLoaderTest, EveryKeyedOptionIsTheOneItsLetterNames) {
    // Each answer is one capital letter whose option exists, so a pick of that option is marked right.
    for (int s = 1; s <= 20; ++s) {
        for (const ChoiceRecord& r : bank::examSet(s)) {
            ASSERT_EQ(r.answer.size(), 1u);
            const int index = r.answer[0] - 'A';
            ASSERT_TRUE(index >= 0 && index < 4);
            EXPECT_NE(r.options[static_cast<std::size_t>(index)].find(r.answer), std::string_view::npos);
        }
    }
}

}  // namespace
