#pragma once
// The contact endpoints that the start window and the hub show and hand to the shell.
// They are placeholders on a reserved example domain.

inline constexpr const char* kCompanyWebAddress = "example.com";
inline constexpr const char* kContactEmail = "kf@example.com";
