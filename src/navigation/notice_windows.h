#pragma once
#include "platform/forms.h"

// The advert window: a banner for an outside picture-sharing site and a way out.
class Form22 : public forms::Form {
public:
    Form22();

    forms::Image Image1;
    forms::Image Image4;

    void Image1_Click();
    void Image4_Click();
    // Operations that no control invokes.
    void EndProgram();
    void MailContact();
    void BrowseOtherSite();
};

// The advertised sites: the banner's and a second one.
extern const char* const kAdvertSiteAddress;
extern const char* const kOtherSiteAddress;

// "The test part is finished."
class Form19 : public forms::Form {
public:
    Form19();
    forms::Label Label1;
    forms::CommandButton Command1;
    void Command1_Click();
};

// Notes on the computer practice, a titled label with a close button.
class Form25 : public forms::Form {
public:
    Form25();
    forms::Label Label1;
    forms::CommandButton Command1;
    void Command1_Click();
};

// The hint on the exercise types.
class Form58 : public forms::Form {
public:
    Form58();
    forms::Label Label1;
    forms::CommandButton Command1;
    void Command1_Click();
};
