#pragma once
// The fixture of every window test: no window loaded, the shared tables as at start,
// the recording platform empty.
#include <gtest/gtest.h>

#include <string>

#include "platform/forms.h"
#include "shared/module1.h"
#include "support/recording_platform.h"

class TrainerTest : public ::testing::Test {
protected:
    void SetUp() override { resetAll(); }
    void TearDown() override { resetAll(); }

    static testing_support::RecordingPlatform& shell() { return testing_support::recorder(); }

    // Closes a window by its title-bar close box, through Qt as the desktop would.
    static void closeByBox(forms::Form& form);
    // Lets Qt destroy what unloaded windows left for later.
    static void settle();
    // The windows that are loaded, by caption, and those of them that are shown.
    static std::vector<std::string> loadedCaptions();
    static std::vector<std::string> shownCaptions();
    // The command lines run so far, without their window styles.
    static std::vector<std::string> commandLines();

private:
    static void resetAll();
};
