#pragma once
// The tip of the tray icon: "Lexidrill. Question 3 of 30".

#include <cstdint>
#include <string>

constexpr size_t MaxTrayTipLength = 63;

// Title + ". Question " + Questions + " of " + MaxQCount, cut to 63 bytes at a
// character boundary.
std::string TrayTipText(const std::string& Title, int32_t Questions, int32_t MaxQCount);
