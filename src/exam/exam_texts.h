#pragma once
// Texts that several exam windows share.

// The only admission number the login accepts, with the candidate it belongs to.
inline constexpr const char* kSimulatedAdmissionNumber = "418207735096";
inline constexpr const char* kCandidateName = "模拟者";
inline constexpr const char* kMaskedIdentityNumber = "******************";

inline constexpr const char* kExamTitle = "全国计算机等级考试";
