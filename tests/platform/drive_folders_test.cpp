// Drive folders on a temporary drive root: one folder whatever the case of its name,
// failures reported and nothing in the way touched, each drive's current directory kept
// apart from the process's, and programs started in drive C's.
#include "platform/drive_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/linux_platform.h"

namespace {

namespace fs = std::filesystem;

class DriveFoldersTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("drive-folders-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "drive_c");
    }
    void TearDown() override { fs::remove_all(root_); }
    fs::path c() const { return root_ / "drive_c"; }
    fs::path root_;
};

TEST_F(DriveFoldersTest, MakingAndEnteringFoldersAsWindowsProgramsDo) {
    drives::DriveFolders drive(root_);
    EXPECT_TRUE(drive.folderExists("c:\\"));
    EXPECT_FALSE(drive.folderExists("c:\\wexam"));
    EXPECT_FALSE(drive.makeDirectory("c:\\wexam\\29010001")) << "one folder at a time";
    EXPECT_TRUE(drive.makeDirectory("c:\\Wexam"));
    EXPECT_TRUE(drive.folderExists("C:\\WEXAM"));
    EXPECT_FALSE(drive.makeDirectory("c:\\wexam")) << "the same folder, already there";
    EXPECT_TRUE(drive.makeDirectory("c:\\wexam\\29010001"));
    EXPECT_TRUE(fs::is_directory(c() / "Wexam" / "29010001"));
    EXPECT_FALSE(drive.makeDirectory("c:\\")) << "a drive is never made";
    EXPECT_FALSE(drive.makeDirectory("wexam"));

    const fs::path before = fs::current_path();
    EXPECT_FALSE(drive.currentDirectory('c'));
    EXPECT_TRUE(drive.changeDirectory("c:\\wexam\\29010001"));
    EXPECT_EQ(drive.currentDirectory('C'), c() / "Wexam" / "29010001");
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_FALSE(drive.changeDirectory("c:\\nowhere"));
    EXPECT_FALSE(drive.changeDirectory("d:\\")) << "drive D has no folder here";
    EXPECT_EQ(drive.currentDirectory('c'), c() / "Wexam" / "29010001") << "kept after a failed change";
    EXPECT_FALSE(drive.currentDirectory('d'));
}

TEST_F(DriveFoldersTest, AFileInTheWayIsNoFolderAndStaysAsItIs) {
    std::ofstream(c() / "wexam") << "notes";
    drives::DriveFolders drive(root_);
    EXPECT_FALSE(drive.folderExists("c:\\wexam"));
    EXPECT_FALSE(drive.makeDirectory("c:\\wexam"));
    EXPECT_FALSE(drive.changeDirectory("c:\\wexam"));
    EXPECT_FALSE(drive.makeDirectory("c:\\wexam\\29010001"));
    ASSERT_TRUE(fs::is_regular_file(c() / "wexam"));
    std::ifstream in(c() / "wexam");
    std::string content;
    in >> content;
    EXPECT_EQ(content, "notes");

    fs::remove_all(c());
    EXPECT_FALSE(drive.changeDirectory("c:\\")) << "a missing drive folder";
    EXPECT_FALSE(drive.makeDirectory("c:\\wexam"));
}

// A program given no working folder starts in drive C's current directory; the stand-in
// for the office program writes where it started.
TEST_F(DriveFoldersTest, ProgramsStartInDriveCsCurrentDirectory) {
    const fs::path bin = root_ / "bin", seen = root_ / "started-in", data = root_ / "data";
    const fs::path examinee = data / "ppt-trainer" / "drive_c" / "Wexam" / "29010001";
    fs::create_directories(bin);
    fs::create_directories(examinee);
    {
        std::ofstream script(bin / "libreoffice");
        script << "#!/bin/sh\npwd > '" << seen.string() << ".part' && mv '" << seen.string() << ".part' '"
               << seen.string() << "'\n";
    }
    fs::permissions(bin / "libreoffice", fs::perms::owner_all);

    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", (bin.string() + ":" + oldPath).c_str(), 1);
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    platform::LinuxPlatform desktop;
    EXPECT_TRUE(desktop.changeDirectory("c:\\wexam\\29010001"));
    desktop.shellExecute({.owner = 0, .verb = "open", .file = "MSACCESS", .showCommand = 3});
    ::setenv("PATH", oldPath.c_str(), 1);
    ::unsetenv("XDG_DATA_HOME");

    QElapsedTimer waited;
    waited.start();
    while (!fs::exists(seen) && waited.elapsed() < 10000) QThread::msleep(20);
    ASSERT_TRUE(fs::exists(seen)) << "the stand-in did not run";
    std::ifstream in(seen);
    std::string folder;
    std::getline(in, folder);
    EXPECT_TRUE(fs::equivalent(folder, examinee));
}

}  // namespace
