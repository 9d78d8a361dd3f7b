// Putting the material in place on a temporary drive root: missing files copied, the
// learner's own files kept, and one notice when drive C takes nothing.
#include "platform/material_setup.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QWidget>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "navigation/form8.h"
#include "support/trainer_test.h"

namespace {

namespace fs = std::filesystem;

void write(const fs::path& file, const std::string& content) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class MaterialSetupTest : public TrainerTest {
protected:
    void SetUp() override {
        TrainerTest::SetUp();
        base_ = fs::temp_directory_path() / ("material-setup-" + std::to_string(::getpid()));
        fs::remove_all(base_);
        // A program in its build folder, with the generated folders beside it.
        write(program() / "material" / "素材" / "技能练习" / "421" / "中国梦.pptx", "original presentation");
        write(program() / "material" / "答案" / "技能练习" / "461" / "无纸化考试" / "幻灯片1.JPG", "original picture");
        write(program() / "material" / "答案" / "技能练习" / "421" / "中国梦.pptx", "original answer");
        fs::create_directories(base_ / "drives" / "drive_c");
    }
    void TearDown() override {
        fs::remove_all(base_);
        TrainerTest::TearDown();
    }
    // Runs the event loop until `done`, for a few seconds at most.
    template <typename Done>
    static bool runLoopUntil(Done done) {
        for (QDeadlineTimer deadline(5000); !done() && !deadline.hasExpired();) QApplication::processEvents();
        return done();
    }
    fs::path program() const { return base_ / "build"; }
    fs::path drives() const { return base_ / "drives"; }
    fs::path install() const { return drives() / "drive_c" / "PowerPointZentrix"; }
    fs::path base_;
};

TEST_F(MaterialSetupTest, MissingFilesAreCopiedAndTheLearnersOwnAreKept) {
    write(install() / "素材" / "技能练习" / "421" / "中国梦.pptx", "the learner's work");
    const auto outcome = material::putInPlaceAtStart(program(), drives());
    EXPECT_EQ(outcome.copied, 2);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_EQ(read(install() / "素材" / "技能练习" / "421" / "中国梦.pptx"), "the learner's work");
    EXPECT_EQ(read(install() / "答案" / "技能练习" / "421" / "中国梦.pptx"), "original answer");
    EXPECT_EQ(read(install() / "答案" / "技能练习" / "461" / "无纸化考试" / "幻灯片1.JPG"), "original picture");
    EXPECT_TRUE(shell().messageBoxes.empty());

    // A second start, after the learner deleted one file to get a fresh copy of it.
    fs::remove(install() / "答案" / "技能练习" / "421" / "中国梦.pptx");
    write(install() / "答案" / "技能练习" / "461" / "无纸化考试" / "幻灯片1.JPG", "changed by the learner");
    const auto again = material::putInPlaceAtStart(program(), drives());
    EXPECT_EQ(again.copied, 1);
    EXPECT_EQ(read(install() / "答案" / "技能练习" / "421" / "中国梦.pptx"), "original answer");
    EXPECT_EQ(read(install() / "答案" / "技能练习" / "461" / "无纸化考试" / "幻灯片1.JPG"), "changed by the learner");
}

TEST_F(MaterialSetupTest, AnInstalledProgramFindsItsSharedFolderAndAnInstallFolderOfAnyCaseIsUsed) {
    fs::create_directories(base_ / "share");
    fs::rename(program() / "material", base_ / "share" / "ppt-trainer");
    fs::create_directories(base_ / "bin");
    fs::create_directories(install().parent_path() / "powerpointzentrix");
    ASSERT_EQ(material::originalsBeside(base_ / "bin"), (base_ / "share" / "ppt-trainer").lexically_normal());
    EXPECT_EQ(material::putInPlaceAtStart(base_ / "bin", drives()).copied, 3);
    EXPECT_TRUE(
        fs::exists(install().parent_path() / "powerpointzentrix" / "素材" / "技能练习" / "421" / "中国梦.pptx"));
    EXPECT_FALSE(fs::exists(install()));
    EXPECT_FALSE(material::originalsBeside(base_ / "nowhere").has_value());
}

TEST_F(MaterialSetupTest, ADriveThatTakesNothingGivesOneNoticeAndTheTrainerGoesOn) {
    // A file where the installation folder should be: nothing can be made below it.
    write(install(), "not a folder");
    const auto outcome = material::putInPlaceAtStart(program(), drives());
    EXPECT_EQ(outcome.copied, 0);
    EXPECT_EQ(outcome.failed, 3);
    ASSERT_EQ(shell().messageBoxes.size(), 1u);
    EXPECT_NE(shell().messageBoxes[0].prompt.find("有3个练习素材或答案文件未能复制到“C:\\PowerPointZentrix”"),
              std::string::npos);
    EXPECT_EQ(shell().messageBoxes[0].style, forms::vbOKOnly | forms::vbExclamation);
    EXPECT_EQ(read(install()), "not a folder");
}

// The trainer's own start: its window is on the screen before the material is put in
// place, and a drive that takes nothing gives its one notice then, however often the
// window paints again.
TEST_F(MaterialSetupTest, TheStartWindowPaintsFirstAndTheMaterialFollowsOnce) {
    const fs::path answer = install() / "答案" / "技能练习" / "421" / "中国梦.pptx";
    Form8& start = forms::form<Form8>();
    material::putInPlaceOncePainted(start, program(), drives());
    start.Show();
    EXPECT_FALSE(fs::exists(answer)) << "put in place before the start window painted";
    ASSERT_TRUE(runLoopUntil([&] { return fs::exists(answer); }));
    EXPECT_EQ(read(answer), "original answer");
    EXPECT_TRUE(shell().messageBoxes.empty());
}

TEST_F(MaterialSetupTest, AStartOnADriveThatTakesNothingGivesOneNoticeOnceItsWindowPainted) {
    write(install(), "not a folder");
    Form8& start = forms::form<Form8>();
    material::putInPlaceOncePainted(start, program(), drives());
    start.Show();
    EXPECT_TRUE(shell().messageBoxes.empty()) << "a notice before the start window painted";
    ASSERT_TRUE(runLoopUntil([&] { return !shell().messageBoxes.empty(); }));
    start.window()->repaint();
    QApplication::processEvents();
    ASSERT_EQ(shell().messageBoxes.size(), 1u);
    EXPECT_NE(shell().messageBoxes[0].prompt.find("有3个练习素材或答案文件未能复制"), std::string::npos);
}

}  // namespace
