// Every file that an exercise or case text of ours names in its material folder is in the
// generated tree under that very name, and every answer folder a steps window opens holds
// the finished work.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "cases/case_content.h"
#include "navigation/form9.h"
#include "navigation/study_content.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGenerated = PPT_MATERIAL_ROOT;

// The cases whose texts the trainer holds, each with the material and answer its
// steps name.
constexpr int kCasesWithContent = 9;

struct Work {
    std::string name;  // "练习421", "实例1"
    std::string text;  // every line of its task and steps, one after the other
    fs::path material;
    fs::path answer;
    bool answerOpened;  // whether its steps window offers "查看答案文件"
};

std::string joined(const std::vector<const Lines*>& parts) {
    std::string out;
    for (const Lines* lines : parts)
        for (std::string_view line : *lines) (out += line) += '\n';
    return out;
}

std::vector<Work> works() {
    std::vector<Work> out;
    for (const auto& e : navigation::practiceExercises()) {
        const std::string key(e.key);
        out.push_back({"练习" + key, joined({&e.task, &e.steps}), kGenerated / "素材" / "技能练习" / key,
                       kGenerated / "答案" / "技能练习" / key, hasPracticeAnswerFolder(key)});
    }
    for (int n = 1; n <= kCasesWithContent; ++n) {
        std::string text;
        if (n <= 5) {
            const cases::SectionCase* c[] = {&cases::case1Content(), &cases::case2Content(), &cases::case3Content(),
                                             &cases::case4Content(), &cases::case5Content()};
            std::vector<const Lines*> parts{&c[n - 1]->text};
            for (const auto& section : c[n - 1]->sections) parts.push_back(&section);
            text = joined(parts);
        } else {
            const cases::LineCase* c[] = {&cases::case6Content(), &cases::case7Content(), &cases::case8Content(),
                                          &cases::case9Content()};
            text = joined({&c[n - 6]->text, &c[n - 6]->steps});
        }
        const std::string folder = "实例" + std::to_string(n);
        out.push_back(
            {folder, text, kGenerated / "素材" / "实战模拟" / folder, kGenerated / "答案" / "实战模拟" / folder, true});
    }
    return out;
}

// The files a text names for the learner to open or insert: a quoted name with an office,
// picture, sound or theme extension (the last part of a quoted path), an unquoted
// ASCII name such as YSWG.pptx, and "“名称”演示文稿". A name the text saves to
// ("以“名称”为文件名") is the learner's result, not material. (The texts are UTF-8, so a
// quotation is matched from its opening to its closing mark, never by excluded bytes.)
std::set<std::string> namedFiles(const std::string& text) {
    static const std::regex quoted("“([^\n]*?)”(演示文稿)?");
    static const std::regex extension("\\.(pptx|docx|jpg|png|mp3|wav|thmx)$");
    static const std::regex bare("(^|[^A-Za-z0-9_.])([A-Za-z0-9_]+\\.pptx)");
    std::set<std::string> names;
    for (std::sregex_iterator it(text.begin(), text.end(), quoted), end; it != end; ++it) {
        std::string name = (*it)[1];
        const std::string before = it->prefix().str();
        if (before.size() >= 3 && before.compare(before.size() - 3, 3, "以") == 0) continue;
        if ((*it)[2].matched) {
            names.insert(name + ".pptx");
        } else if (std::regex_search(name, extension)) {
            if (const auto slash = name.rfind('\\'); slash != std::string::npos) name = name.substr(slash + 1);
            names.insert(name);
        }
    }
    for (std::sregex_iterator it(text.begin(), text.end(), bare), end; it != end; ++it) names.insert((*it)[2]);
    return names;
}

// Whether a text sends the learner to its material folder ("打开素材", "PPT素材中的…",
// "素材文件夹", a path into 素材); "本练习不附带素材" does not.
bool mentionsMaterial(const std::string& text) {
    for (const char* phrase : {"打开素材", "PPT素材", "素材文件夹", "素材中", "\\素材\\"})
        if (text.find(phrase) != std::string::npos) return true;
    return false;
}

TEST(MaterialNames, EveryFileATextNamesInItsMaterialFolderIsGeneratedUnderThatName) {
    int checked = 0;
    for (const Work& work : works()) {
        SCOPED_TRACE(work.name);
        if (!mentionsMaterial(work.text)) {
            EXPECT_FALSE(fs::exists(work.material)) << "material no text asks for";
            continue;
        }
        ASSERT_TRUE(fs::is_directory(work.material)) << work.material;
        const auto names = namedFiles(work.text);
        EXPECT_FALSE(names.empty()) << "a text that opens its material names what it opens";
        for (const std::string& name : names) {
            EXPECT_TRUE(fs::is_regular_file(work.material / name)) << name;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(MaterialNames, EveryAnswerFolderAStepsWindowOpensHoldsTheFinishedWork) {
    for (const Work& work : works()) {
        SCOPED_TRACE(work.name);
        if (!work.answerOpened) {
            EXPECT_FALSE(fs::exists(work.answer));
            continue;
        }
        ASSERT_TRUE(fs::is_directory(work.answer)) << work.answer;
        bool presentation = false;
        for (const auto& entry : fs::recursive_directory_iterator(work.answer)) {
            const auto ext = entry.path().extension();
            presentation = presentation || ext == ".pptx" || ext == ".ppsx";
        }
        EXPECT_TRUE(presentation) << "an answer folder holds the finished presentation";
    }
}

TEST(MaterialNames, TheNamesAreReadAsTheTextsGiveThem) {
    // The reading itself, on the shapes our texts use.
    const auto names = namedFiles(
        "在素材中打开工作簿文档YSWG.pptx，选择“C:\\PowerPointZentrix\\素材\\实战模拟\\实例4\\李白.jpg”，"
        "插入“碧水.jpg”和“背景音乐.mp3”，应用“图解.thmx”，打开“中国梦”演示文稿，"
        "以“图解政府工作报告.pptx”为文件名保存。");
    EXPECT_EQ(names,
              (std::set<std::string>{"YSWG.pptx", "李白.jpg", "碧水.jpg", "背景音乐.mp3", "图解.thmx", "中国梦.pptx"}));
}

}  // namespace
