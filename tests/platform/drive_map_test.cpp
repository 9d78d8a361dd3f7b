#include "platform/drive_map.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/linux_platform.h"

namespace {

namespace fs = std::filesystem;

class DriveMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("drive-map-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "drive_c" / "PowerPointZentrix" / "素材" / "技能练习" / "421");
        fs::create_directories(root_ / "drive_c" / "Wexam");
    }
    void TearDown() override { fs::remove_all(root_); }
    fs::path root_;
};

TEST_F(DriveMapTest, DrivePathsLieUnderTheirDriveFolder) {
    auto p = drives::localPath("C:\\PowerPointZentrix\\素材\\技能练习\\421", root_);
    ASSERT_TRUE(p);
    EXPECT_EQ(*p, root_ / "drive_c" / "PowerPointZentrix" / "素材" / "技能练习" / "421");
    EXPECT_EQ(*drives::localPath("D:\\PPT练习", root_), root_ / "drive_d" / "PPT练习");
}

TEST_F(DriveMapTest, ComponentsMatchWithoutRegardToAsciiCase) {
    EXPECT_EQ(*drives::localPath("c:\\wexam\\29010001", root_), root_ / "drive_c" / "Wexam" / "29010001");
    EXPECT_EQ(*drives::localPath("C:\\POWERPOINTZENTRIX\\素材", root_),
              root_ / "drive_c" / "PowerPointZentrix" / "素材");
}

TEST_F(DriveMapTest, PathsThatAreNotDrivePathsOrClimbOutAreRefused) {
    EXPECT_FALSE(drives::localPath("PowerPointZentrix", root_));
    EXPECT_FALSE(drives::localPath("\\\\server\\share", root_));
    EXPECT_FALSE(drives::localPath("C:\\..\\..\\etc", root_));
    EXPECT_TRUE(drives::localPath("C:\\Wexam\\..\\Wexam", root_));
}

}  // namespace
