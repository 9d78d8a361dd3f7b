#include "shared/module1.h"

#include <charconv>

std::string Variant::text() const {
    if (const auto* s = std::get_if<std::string>(&value_)) return *s;
    if (const auto* n = std::get_if<std::int16_t>(&value_)) return std::to_string(*n);
    return {};
}

int Variant::number() const {
    if (const auto* n = std::get_if<std::int16_t>(&value_)) return *n;
    if (const auto* s = std::get_if<std::string>(&value_)) {
        int n = 0;
        auto [end, error] = std::from_chars(s->data(), s->data() + s->size(), n);
        if (error == std::errc() && end == s->data() + s->size()) return n;
    }
    return 0;
}

bool operator==(const Variant& a, const Variant& b) {
    // Empty compares equal to both the empty text and zero.
    if (a.isEmpty()) return b.isEmpty() || (b.isText() ? b.text().empty() : b.number() == 0);
    if (b.isEmpty()) return b == a;
    if (a.isText() && b.isText()) return a.text() == b.text();
    if (a.isInteger() && b.isInteger()) return a.number() == b.number();
    return false;
}

Variant& Table::operator[](int index) {
    if (index < kFirst || index > kLast) {
        ++touchesOutside_;
        outside_ = Variant();
        return outside_;
    }
    return elements_[static_cast<std::size_t>(index)];
}

const Variant& Table::operator[](int index) const {
    static const Variant empty;
    if (index < kFirst || index > kLast) {
        ++touchesOutside_;
        return empty;
    }
    return elements_[static_cast<std::size_t>(index)];
}

void Table::clear() {
    elements_.fill(Variant());
    outside_ = Variant();
}

namespace Module1 {

Table QuestionStem;
Table OptionA;
Table OptionB;
Table OptionC;
Table OptionD;
Table ChosenAnswer;
Table CorrectAnswer;
Table Analysis;
Table PracticeTask;
Table PracticeSteps;

Variant CurrentItem;
Variant UnitQuestionCount;
Variant PracticeItemCount;
Variant LastChoice;
Variant AnsweredCount;
std::int16_t UnansweredCount = 0;

void reset() {
    for (Table* t : {&QuestionStem, &OptionA, &OptionB, &OptionC, &OptionD, &ChosenAnswer, &CorrectAnswer, &Analysis,
                     &PracticeTask, &PracticeSteps})
        t->clear();
    CurrentItem = UnitQuestionCount = PracticeItemCount = LastChoice = AnsweredCount = Variant();
    UnansweredCount = 0;
}

}  // namespace Module1
