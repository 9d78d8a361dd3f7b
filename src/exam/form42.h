#pragma once
#include "platform/forms.h"

// The exam toolbar: a borderless strip along the top of the screen, above every other
// window, with the exam clock and the links of the exam system's top bar.
class Form42 : public forms::Form {
public:
    Form42();
    void Form_Load() override;

    forms::Frame Frame5;
    forms::Image Image1;
    forms::Label Label5;  // minutes
    forms::Label Label4;  // ":"
    forms::Label Label3;  // seconds
    forms::Label Label1;
    forms::Label Label2;
    forms::Label Label6;
    forms::Label Label7;
    forms::Label Label8;
    forms::Timer Timer2;

    // The exam lasts this long, counted from the toolbar's load.
    static constexpr int kExamSeconds = 7200;

    void Timer2_Timer();
    void Label1_Click();
    void Label2_Click();
    void Label6_Click();
    void Label8_Click();

    int MinutesLeft() const;
    int SecondsLeft() const;

private:
    // Counts the answered items on the progress window into its three count labels.
    void countAnswers();
    void timeUp();

    double loadedAt_ = 0;
    int remaining_ = kExamSeconds;
    bool alarmed_ = false;
    bool timeIsUp_ = false;
};
