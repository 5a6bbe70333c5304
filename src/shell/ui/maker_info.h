#pragma once
// Who makes Quintaro and where its links lead.

namespace quintaro {

inline constexpr const char* kProductName = "Quintaro";
inline constexpr const char* kMakerName = "Ostrelwyn";
inline constexpr const char* kMakerPlace = "Harrowfield";
inline constexpr const char* kMakerWebAddress = "https://www.ostrelwyn.example/";
inline constexpr const char* kMakerMailAddress = "mailto:quintaro@ostrelwyn.example";
inline constexpr const char* kStrategyWebAddress =
    "https://www.ostrelwyn.example/quintaro/strategy";
inline constexpr const char* kMakerLinkHint = "Go to Ostrelwyn Web Site";
inline constexpr int kCopyrightYear = 2026;

} // namespace quintaro
