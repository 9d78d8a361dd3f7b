// The Linux platform itself: its launches run against stand-in programs on a
// temporary PATH, which log the argument lists they are started with, and its folders
// lie on a temporary drive root.
#include "platform/linux_platform.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using Launch = std::vector<std::string>;

class LinuxPlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bin_.isValid() && data_.isValid());
        log_ = QDir(bin_.path()).filePath(QStringLiteral("launches.log")).toStdString();
        for (const char* program : {"xdg-open", "libreoffice", "gnome-text-editor", "thunderbird"}) {
            const std::string path = QDir(bin_.path()).filePath(QString::fromUtf8(program)).toStdString();
            std::ofstream script(path);
            // One record a launch: the program's name, then each argument on a line of its
            // own, written by one printf so that launches running side by side do not interleave.
            script << "#!/bin/sh\nprintf '%s\\n' \"@${0##*/}\" \"$@\" >> '" << log_ << "'\n";
            script.close();
            std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        }
        savedPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
        savedData_ = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
        setenv("PATH", bin_.path().toUtf8().constData(), 1);
        setenv("XDG_DATA_HOME", data_.path().toUtf8().constData(), 1);
        std::filesystem::create_directories(driveC() / "PowerPointZentrix" / "素材" / "技能练习" / "421");
    }
    void TearDown() override {
        setenv("PATH", savedPath_.c_str(), 1);
        if (savedData_.empty())
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", savedData_.c_str(), 1);
    }

    std::filesystem::path driveC() const {
        return std::filesystem::path(data_.path().toStdString()) / "ppt-trainer" / "drive_c";
    }

    std::vector<Launch> launches() const {
        std::vector<Launch> out;
        std::ifstream in(log_);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line[0] == '@')
                out.push_back({line.substr(1)});
            else if (!out.empty())
                out.back().push_back(line);
        }
        return out;
    }
    // Waits until the stand-ins have logged `count` launches. They start detached, so
    // they may log in any order: the launches come back sorted.
    std::vector<Launch> waitFor(std::size_t count) const {
        QElapsedTimer clock;
        clock.start();
        while (launches().size() < count && clock.elapsed() < 5000) QThread::msleep(20);
        QThread::msleep(150);  // time for a launch that should not have happened to show up
        auto out = launches();
        std::sort(out.begin(), out.end());
        return out;
    }
    static std::vector<Launch> sorted(std::vector<Launch> expected) {
        std::sort(expected.begin(), expected.end());
        return expected;
    }

    platform::LinuxPlatform desktop_;

    QTemporaryDir bin_, data_;

private:
    std::string log_, savedPath_, savedData_;
};

TEST_F(LinuxPlatformTest, FoldersProgramsAddressesAndMailReachTheirStandInsAsArgumentLists) {
    desktop_.runCommandLine("explorer /n,c:\\powerpointzentrix\\素材\\技能练习\\421", 1);
    desktop_.runCommandLine("explorer /n,C:\\PowerPointZentrix\\素材\\技能练习\\999", 1);  // missing: ignored
    desktop_.shellExecute({.verb = "open", .file = "POWERPNT", .showCommand = 3});
    desktop_.shellExecute({.verb = "open", .file = "notepad", .showCommand = 3});
    desktop_.shellExecute({.verb = "open", .file = "example.com", .showCommand = 3});
    desktop_.shellExecute({.verb = "open", .file = "http://example.com/?q=1;rm -rf ~ $(id)", .showCommand = 3});
    desktop_.shellExecute({.verb = "open", .file = "mailto:kf@example.com", .showCommand = 0});
    desktop_.shellExecute({.verb = "open", .file = "NOSUCHPROGRAM", .showCommand = 3});  // nothing stands for it
    const std::string folder = (driveC() / "PowerPointZentrix" / "素材" / "技能练习" / "421").string();
    EXPECT_EQ(waitFor(6), sorted({{"xdg-open", folder},
                                               {"libreoffice", "--impress"},
                                               {"gnome-text-editor"},
                                               {"xdg-open", "http://example.com"},
                                               {"xdg-open", "http://example.com/?q=1;rm -rf ~ $(id)"},
                                               {"xdg-open", "mailto:kf@example.com"}}));
}

TEST_F(LinuxPlatformTest, TheBrowserObjectOpensThePageAndStartsNoOfficeProgram) {
    {
        auto browser = desktop_.createObject("internetexplorer.Application");
        ASSERT_NE(browser, nullptr);
        browser->setProperty("Visible", true);
        browser->call("Navigate", {std::string("http://photo.example.org/")});
    }
    desktop_.shellExecute({.verb = "open", .file = "http://example.net/", .showCommand = 3});
    EXPECT_EQ(waitFor(2), sorted({{"xdg-open", "http://photo.example.org/"}, {"xdg-open", "http://example.net/"}}));
}

TEST_F(LinuxPlatformTest, OfficeObjectsHandTheBridgeWhatTheyMadeOnceReleasedAndNeedAnOffice) {
    std::vector<platform::OfficeRequest> made;
    desktop_.setOfficeRunner([&](const platform::OfficeRequest& r) { made.push_back(r); });
    {
        auto word = desktop_.createObject("word.basic");
        ASSERT_NE(word, nullptr);
        word->call("appshow");
        word->call("filenew");
        word->call("Insert", {std::string("第一段\n第二段")});
        EXPECT_TRUE(made.empty()) << "nothing happens before the operation ends";
    }
    {
        auto excel = desktop_.createObject("excel.application");
        excel->setProperty("Visible", true);
        auto workbook = excel->call("Workbooks")->call("Add");
        excel->setProperty("SheetsInNewWorkbook", 5);
    }
    {
        auto powerPoint = desktop_.createObject("Powerpoint.Application");
        powerPoint->setProperty("Visible", -1);
        auto presentation = powerPoint->call("Presentations")->call("Add", {-1});
    }
    { auto idle = desktop_.createObject("word.basic"); }  // asked for nothing: nothing is made
    EXPECT_EQ(made, (std::vector<platform::OfficeRequest>{
                        {.component = "writer", .newDocument = true, .text = "第一段\n第二段"},
                        {.component = "calc", .newDocument = true, .sheetsInNewWorkbook = 5},
                        {.component = "impress", .newDocument = true}}));

    const auto bridge = platform::officeBridgeCommand(made[0], "pipe-x");
    EXPECT_EQ(std::vector<std::string>(bridge.begin() + 3, bridge.end()),
              (std::vector<std::string>{"writer", "pipe-x", "libreoffice", "1", "第一段\n第二段", "0"}))
        << "each value an argument of its own, never a command line";

    std::filesystem::remove(bin_.filePath("libreoffice").toStdString());
    EXPECT_EQ(desktop_.createObject("excel.application"), nullptr);
    EXPECT_NE(desktop_.createObject("internetexplorer.application"), nullptr) << "the browser needs no office";
}

TEST_F(LinuxPlatformTest, DriveCIsThereOnAFreshMachineSoTheExamineeFolderCanBeMade) {
    QTemporaryDir fresh;
    setenv("XDG_DATA_HOME", fresh.path().toUtf8().constData(), 1);
    platform::LinuxPlatform desktop;  // its drive root is read when it is made
    EXPECT_TRUE(desktop.changeDirectory("c:\\"));
    EXPECT_TRUE(desktop.makeDirectory("c:\\wexam"));
    EXPECT_TRUE(desktop.makeDirectory("c:\\wexam\\29010001"));
    EXPECT_TRUE(desktop.folderExists("C:\\Wexam\\29010001"));
}

}  // namespace

namespace {

TEST(LinuxPlatformSources, DrawsCoverEveryWholeNumberOfTheRangeAndTheClockRunsForward) {
    platform::LinuxPlatform desktop;
    std::vector<int> seen(41, 0);
    for (int i = 0; i < 4000; ++i) {
        const int n = desktop.randomWholeNumber(1, 40);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 40);
        ++seen[static_cast<std::size_t>(n)];
    }
    for (int n = 1; n <= 40; ++n) EXPECT_GT(seen[static_cast<std::size_t>(n)], 0) << n;
    const double before = desktop.monotonicSeconds();
    QThread::msleep(20);
    EXPECT_GT(desktop.monotonicSeconds(), before);
}

}  // namespace
