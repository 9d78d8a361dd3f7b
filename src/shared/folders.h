#pragma once
// The installation folder and the folder families below it that windows open for the learner.
#include <string>

inline constexpr const char* kInstallFolder = "C:\\PowerPointZentrix";

// exerciseKey: "4" + chapter key + exercise number, such as "421".
inline std::string practiceMaterialFolder(const std::string& exerciseKey) {
    return std::string(kInstallFolder) + "\\素材\\技能练习\\" + exerciseKey;
}
inline std::string practiceAnswerFolder(const std::string& exerciseKey) {
    return std::string(kInstallFolder) + "\\答案\\技能练习\\" + exerciseKey;
}

// caseNumber: 1 to 40.
inline std::string caseMaterialFolder(int caseNumber) {
    return std::string(kInstallFolder) + "\\素材\\实战模拟\\实例" + std::to_string(caseNumber);
}
inline std::string caseAnswerFolder(int caseNumber) {
    return std::string(kInstallFolder) + "\\答案\\实战模拟\\实例" + std::to_string(caseNumber);
}

// The exam's material lies in a root of its own beside the installation folder.
inline constexpr const char* kExamMaterialRoot = "C:\\PowerPointZentrixExam";

// setNumber: 1 to 40.
inline std::string examMaterialFolder(int setNumber) {
    return std::string(kExamMaterialRoot) + "\\素材\\模拟考试\\第" + std::to_string(setNumber) + "套";
}

// The examinee folder of the simulated exam, the one the database questions make.
inline constexpr const char* kExamineeFolder = "c:\\Wexam\\29010001";
