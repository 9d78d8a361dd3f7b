// The database operation questions, driven as a learner clicks: the chooser's door, the
// examinee folder on a temporary drive, the three types' tasks and answers, the notes
// and the way back; the folder cases and their failures; selections that name no set.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "cases/form10.h"
#include "cases/form16.h"
#include "exercises/form27.h"
#include "exercises/form36.h"
#include "exercises/form51.h"
#include "navigation/form60.h"
#include "navigation/notice_windows.h"
#include "platform/drive_folders.h"
#include "support/trainer_test.h"

using namespace forms;
using exercises::OperationType;

namespace {

namespace fs = std::filesystem;

// The recording platform with real folders on a drive of its own, and the order of
// every folder operation.
class DrivePlatform : public testing_support::RecordingPlatform {
public:
    explicit DrivePlatform(const fs::path& root) : drive(root) {}
    drives::DriveFolders drive;
    std::vector<std::string> folderLog;
    std::string refused;  // a folder that exists but cannot be entered (no permission, say)

    bool folderExists(const std::string& path) override {
        folderLog.push_back("exists " + path);
        return drive.folderExists(path);
    }
    bool makeDirectory(const std::string& path) override {
        folderLog.push_back("md " + path);
        return drive.makeDirectory(path);
    }
    bool changeDirectory(const std::string& path) override {
        folderLog.push_back("cd " + path);
        return path != refused && drive.changeDirectory(path);
    }
};

std::string withSlots(std::span<const std::string_view> lines, std::size_t slots) {
    std::string out;
    for (std::size_t i = 0; i < slots; ++i) {
        if (i > 0) out += "\r\n";
        if (i < lines.size()) out += lines[i];
    }
    return out;
}

std::string task(int set, OperationType type) { return withSlots(exercises::operationTask(set, type), 25); }
std::string answer(int set, OperationType type) { return withSlots(exercises::referenceAnswer(set, type), 6); }

std::string repeated(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

class OperationRoadTest : public TrainerTest {
protected:
    void SetUp() override {
        TrainerTest::SetUp();
        static int run = 0;
        root_ =
            fs::temp_directory_path() / ("operation-drive-" + std::to_string(::getpid()) + "-" + std::to_string(++run));
        fs::create_directories(drivePath());
        desk_ = std::make_unique<DrivePlatform>(root_);
        platform::install(desk_.get());
    }
    void TearDown() override {
        Registry::reset();
        platform::install(&shell());
        desk_.reset();
        fs::remove_all(root_);
        TrainerTest::TearDown();
    }
    fs::path drivePath() const { return root_ / "drive_c"; }
    DrivePlatform& desk() { return *desk_; }

    // Hub, "实战模拟", the door, and set k from its menu.
    void openSetFromChooser(int k) {
        if (!isShown<Form10>()) {
            form<Form60>().Show();
            form<Form60>().Command4.click();
        }
        form<Form10>().OperationDoor.click();
        form<Form10>().OperationSetItems.at(static_cast<std::size_t>(k - 1))->click();
    }
    void openWithSelection(const std::string& selection) {
        setCurrentSelection(selection);
        form<Form36>().Show();
    }

    fs::path root_;
    std::unique_ptr<DrivePlatform> desk_;
};

TEST_F(OperationRoadTest, FromTheChooserThroughEveryTypeAndBackWithTheSelectionKept) {
    openSetFromChooser(3);
    ASSERT_EQ(desk().popups.size(), 1u);
    EXPECT_EQ(desk().popups[0].form, "实战模拟");
    ASSERT_EQ(desk().popups[0].items.size(), 26u);
    EXPECT_EQ(desk().popups[0].items.front(), "操作题（第1套）");
    EXPECT_EQ(desk().popups[0].items.back(), "操作题（第26套）");
    EXPECT_EQ(CurrentSelection(), "操作题（第3套）");
    EXPECT_EQ(form<Form10>().Combo1.ListCount(), 40) << "the set is typed, not listed";
    EXPECT_TRUE(isLoaded<Form10>());
    EXPECT_FALSE(isShown<Form10>());

    auto& window = form<Form36>();
    ASSERT_TRUE(window.Visible());
    EXPECT_EQ(window.Caption(), "操作题");
    EXPECT_EQ(window.Label1.Caption(), "C:\\WEXAM\\29010001");
    EXPECT_TRUE(fs::is_directory(drivePath() / "wexam" / "29010001")) << "made on the fresh drive";
    EXPECT_EQ(desk().drive.currentDirectory('c'), drivePath() / "wexam" / "29010001");
    EXPECT_TRUE(desk().messageBoxes.empty());
    EXPECT_EQ(window.Text1.Text(), task(3, OperationType::Basic));
    EXPECT_EQ(window.Command1.BackColor(), kCurrentTypeColour);
    EXPECT_EQ(window.Command2.BackColor(), kOtherTypeColour);
    EXPECT_EQ(window.Command3.BackColor(), kOtherTypeColour);

    window.Command4.click();
    EXPECT_TRUE(isShown<Form51>());
    EXPECT_EQ(form<Form51>().Caption(), "参考答案");
    EXPECT_EQ(form<Form51>().Text1.Text(), answer(3, OperationType::Basic));
    window.Command4.click();
    const auto loaded = loadedCaptions();
    EXPECT_EQ(std::count(loaded.begin(), loaded.end(), "参考答案"), 1) << "one answer window";

    const std::vector<std::pair<CommandButton*, OperationType>> types = {
        {&window.Command2, OperationType::Simple},
        {&window.Command3, OperationType::Comprehensive},
        {&window.Command1, OperationType::Basic}};
    for (const auto& [button, type] : types) {
        button->click();
        EXPECT_FALSE(isLoaded<Form51>()) << "a type button closes the answer";
        EXPECT_EQ(window.Text1.Text(), task(3, type));
        for (CommandButton* b : {&window.Command1, &window.Command2, &window.Command3})
            EXPECT_EQ(b->BackColor(), b == button ? kCurrentTypeColour : kOtherTypeColour);
        window.Command4.click();
        EXPECT_EQ(form<Form51>().Text1.Text(), answer(3, type));
    }

    window.DZYJ.click();
    EXPECT_TRUE(isShown<Form27>());
    EXPECT_EQ(form<Form27>().Label1.Caption(), kPracticeNotes);
    window.KSGY.click();
    const auto withNotes = loadedCaptions();
    EXPECT_EQ(std::count(withNotes.begin(), withNotes.end(), "提示"), 1) << "one notice";
    form<Form27>().Command1.click();
    EXPECT_FALSE(isLoaded<Form27>());
    window.KSGY.click();
    EXPECT_EQ(form<Form27>().Label1.Caption(), kPracticeNotes);
    EXPECT_TRUE(desk().shellCalls.empty() && desk().commandLines.empty()) << "no program is started";

    window.Text1.mouseDown(vbRightButton);
    form<Form51>().Text1.mouseDown(vbRightButton);
    ASSERT_EQ(desk().popups.size(), 3u);
    EXPECT_EQ(desk().popups[1].items, std::vector<std::string>{"内容不可改动"});
    EXPECT_EQ(desk().popups[2].items, std::vector<std::string>{"内容不可更改"});

    window.Command5.click();
    EXPECT_FALSE(isLoaded<Form36>());
    EXPECT_TRUE(isShown<Form10>());
    EXPECT_EQ(CurrentSelection(), "操作题（第3套）");
    EXPECT_TRUE(isShown<Form51>()) << "the answer and the notice stay open";
    EXPECT_TRUE(isShown<Form27>());

    desk().folderLog.clear();
    openSetFromChooser(26);
    EXPECT_EQ(desk().folderLog, (std::vector<std::string>{"exists c:\\wexam\\29010001", "cd c:\\wexam\\29010001"}))
        << "found on the second visit";
    EXPECT_EQ(form<Form36>().Text1.Text(), task(26, OperationType::Basic));
    EXPECT_EQ(form<Form51>().Text1.Text(), answer(3, OperationType::Basic)) << "until a type button closes it";
}

TEST_F(OperationRoadTest, TheThreeFolderCasesMakeOnlyWhatIsMissing) {
    const std::string exists = "exists c:\\wexam\\29010001", parent = "exists c:\\wexam";
    const std::vector<std::string> enter = {"md c:\\wexam\\29010001", "cd c:\\wexam\\29010001"};
    struct Case {
        std::vector<fs::path> present;
        std::vector<std::string> log;
    };
    const std::vector<Case> cases = {
        {{"Wexam/29010001"}, {exists, "cd c:\\wexam\\29010001"}},
        {{"WEXAM"}, {exists, parent, "cd c:\\wexam", enter[0], enter[1]}},
        {{}, {exists, parent, "cd c:\\", "md c:\\wexam", "cd c:\\wexam", enter[0], enter[1]}},
    };
    for (const Case& c : cases) {
        fs::remove_all(drivePath());
        fs::create_directories(drivePath());
        for (const fs::path& p : c.present) fs::create_directories(drivePath() / p);
        desk().folderLog.clear();
        openWithSelection("操作题（第1套）");
        EXPECT_EQ(desk().folderLog, c.log);
        const fs::path made = desk().drive.currentDirectory('c').value_or(fs::path());
        EXPECT_TRUE(fs::is_directory(made));
        EXPECT_TRUE(fs::equivalent(made.parent_path().parent_path(), drivePath()));
        EXPECT_EQ(made.filename(), "29010001");
        EXPECT_EQ(std::distance(fs::directory_iterator(drivePath()), fs::directory_iterator()), 1)
            << "\"c:\\wexam\" and \"c:\\Wexam\" are one folder";
        EXPECT_TRUE(desk().messageBoxes.empty());
        form<Form36>().Command5.click();
    }
    EXPECT_NE(fs::current_path(), desk().drive.currentDirectory('c')) << "the process keeps its own directory";
}

TEST_F(OperationRoadTest, AFolderStepThatFailsSaysWhichAndTheWindowGoesOn) {
    struct Case {
        std::string file;  // a file in the way, relative to the drive; empty: no drive folder
        std::string prompt;
        std::string failedStep;  // the last operation tried
        std::string refused;     // a folder, relative to the drive, that exists and cannot be entered
    };
    const std::vector<Case> cases = {
        {"wexam", "无法创建文件夹：C:\\WEXAM", "md c:\\wexam"},
        {"wexam/29010001", "无法创建考生文件夹：C:\\WEXAM\\29010001", "md c:\\wexam\\29010001"},
        {"", "无法进入文件夹：C:\\", "cd c:\\"},
        {"", "无法进入文件夹：C:\\WEXAM", "cd c:\\wexam", "wexam"},
        {"", "无法进入考生文件夹：C:\\WEXAM\\29010001", "cd c:\\wexam\\29010001", "wexam\\29010001"},
    };
    for (const Case& c : cases) {
        fs::remove_all(drivePath());
        if (!c.file.empty()) {
            fs::create_directories((drivePath() / c.file).parent_path());
            std::ofstream(drivePath() / c.file) << "keep";
        }
        desk().refused = c.refused.empty() ? "" : "c:\\" + c.refused;
        if (!c.refused.empty()) {
            std::string local = c.refused;
            std::replace(local.begin(), local.end(), '\\', '/');
            fs::create_directories(drivePath() / local);
        }
        desk().messageBoxes.clear();
        openWithSelection("操作题（第2套）");
        EXPECT_EQ(desk().folderLog.back(), c.failedStep) << "the step stops at its first failure";
        ASSERT_EQ(desk().messageBoxes.size(), 1u) << c.prompt;
        EXPECT_EQ(desk().messageBoxes[0].prompt, c.prompt);
        EXPECT_EQ(desk().messageBoxes[0].style, vbOKOnly);
        EXPECT_EQ(desk().messageBoxes[0].title, "提示");
        if (!c.file.empty()) {
            std::ifstream kept(drivePath() / c.file);
            std::string content;
            kept >> content;
            EXPECT_EQ(content, "keep") << "nothing in the way is touched";
        }
        auto& window = form<Form36>();
        EXPECT_TRUE(window.Visible());
        EXPECT_EQ(window.Command1.BackColor(), kCurrentTypeColour);
        EXPECT_EQ(window.Text1.Text(), task(2, OperationType::Basic));
        EXPECT_FALSE(programEnded());
        window.Command5.click();
    }
}

TEST_F(OperationRoadTest, SelectionsThatNameNoSetGiveEmptyTasksAndAnswers) {
    const std::string emptyTask = repeated("\r\n", 24), emptyAnswer = repeated("\r\n", 5);
    for (const std::string selection :
         {"实例1", "操作题(第1套)", "操作题（第01套）", "操作题（第27套）", "操作题（第1套） ", "第3套", ""}) {
        openWithSelection(selection);
        auto& window = form<Form36>();
        EXPECT_EQ(window.Text1.Text(), emptyTask) << selection;
        window.Command3.click();
        EXPECT_EQ(window.Text1.Text(), emptyTask) << selection;
        EXPECT_EQ(window.Command3.BackColor(), kCurrentTypeColour);
        window.Command4.click();
        EXPECT_EQ(form<Form51>().Text1.Text(), emptyAnswer) << selection;
        window.Command5.click();
        unload<Form51>();
    }
    Registry::reset();
    form<Form36>().Show();
    EXPECT_TRUE(isLoaded<Form10>()) << "reading the selection loads the chooser";
    EXPECT_FALSE(isShown<Form10>());
    EXPECT_EQ(form<Form36>().Text1.Text(), emptyTask);
}

TEST_F(OperationRoadTest, TheAnswerFollowsTheSelectionAtThePressTheTaskAtTheNextTypeButton) {
    openWithSelection("操作题（第3套）");
    form<Form36>().Command2.click();
    setCurrentSelection("操作题（第16套）");
    EXPECT_EQ(form<Form36>().Text1.Text(), task(3, OperationType::Simple));
    form<Form36>().Command4.click();
    EXPECT_EQ(form<Form51>().Text1.Text(), answer(16, OperationType::Simple));
    form<Form36>().Command2.click();
    EXPECT_EQ(form<Form36>().Text1.Text(), task(16, OperationType::Simple));
}

TEST_F(OperationRoadTest, TheCloseBoxGoesBackAsExitDoes) {
    openSetFromChooser(5);
    closeByBox(form<Form36>());
    EXPECT_FALSE(isLoaded<Form36>());
    EXPECT_TRUE(isShown<Form10>());
    EXPECT_EQ(CurrentSelection(), "操作题（第5套）");
    EXPECT_FALSE(programEnded());
}

TEST_F(OperationRoadTest, OperationsThatNoControlInvokes) {
    form<Form60>().Show();
    form<Form60>().Command4.click();
    form<Form10>().Command2.click();
    ASSERT_TRUE(isShown<Form16>());
    invoke([] { form<Form36>().CloseCaseWindow(); });
    EXPECT_FALSE(isLoaded<Form16>());
    EXPECT_TRUE(isShown<Form10>());
    invoke([] { form<Form36>().ShowTestFinishedNotice(); });
    EXPECT_TRUE(isShown<Form19>());
}

}  // namespace
