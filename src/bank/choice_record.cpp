#include "bank/choice_record.h"

#include "shared/module1.h"

void writeRecord(int element, const ChoiceRecord& record) {
    using namespace Module1;
    QuestionStem[element] = record.stem;
    OptionA[element] = record.options[0];
    OptionB[element] = record.options[1];
    OptionC[element] = record.options[2];
    OptionD[element] = record.options[3];
    CorrectAnswer[element] = record.answer;
    Analysis[element] = record.analysis;
}
