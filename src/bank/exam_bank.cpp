#include <stdexcept>

#include "bank/exam_bank_content.h"

namespace bank {

const ExamSet& examSet(int n) {
    using Set = const ExamSet& (*)();
    static constexpr Set sets[kExamSetCount] = {
        examSet01, examSet02, examSet03, examSet04, examSet05, examSet06, examSet07, examSet08, examSet09, examSet10,
        examSet11, examSet12, examSet13, examSet14, examSet15, examSet16, examSet17, examSet18, examSet19, examSet20,
        examSet21, examSet22, examSet23, examSet24, examSet25, examSet26, examSet27, examSet28, examSet29, examSet30,
        examSet31, examSet32, examSet33, examSet34, examSet35, examSet36, examSet37, examSet38, examSet39, examSet40};
    if (n < 1 || n > kExamSetCount) throw std::out_of_range("exam set");
    return sets[n - 1]();
}

}  // namespace bank
