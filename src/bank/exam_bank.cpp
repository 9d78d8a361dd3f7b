#include <stdexcept>

#include "bank/exam_bank_content.h"

namespace bank {

const ExamSet& examSet(int n) {
    using Set = const ExamSet& (*)();
    static constexpr Set sets[] = {examSet01, examSet02, examSet03, examSet04, examSet05, examSet06, examSet07,
                                   examSet08, examSet09, examSet10, examSet11, examSet12, examSet13, examSet14,
                                   examSet15, examSet16, examSet17, examSet18, examSet19, examSet20};
    if (n < 1 || n > 20) throw std::out_of_range("exam set");
    return sets[n - 1]();
}

}  // namespace bank
