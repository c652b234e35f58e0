// The print margins kept in "Editor\PageSetup", in hundredths of a millimetre.
#pragma once

#include "settings/Profile.h"

namespace orv {

namespace page_setup_profile {
inline constexpr const char* kSection = "Editor\\PageSetup";
inline constexpr const char* kLeft = "LeftMargin";
inline constexpr const char* kRight = "RightMargin";
inline constexpr const char* kTop = "TopMargin";
inline constexpr const char* kBottom = "BottomMargin";
inline constexpr int kDefaultMargin = 1000;  // 10 mm
// A stored margin outside 0..kMaxMargin (half a metre) is taken as corrupt.
inline constexpr int kMaxMargin = 50000;
} // namespace page_setup_profile

struct PageMargins {
    int left = page_setup_profile::kDefaultMargin;
    int right = page_setup_profile::kDefaultMargin;
    int top = page_setup_profile::kDefaultMargin;
    int bottom = page_setup_profile::kDefaultMargin;
    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

// Missing or corrupt values give the default of 10 mm.
PageMargins readPageMargins(const Profile& profile);
void writePageMargins(Profile& profile, const PageMargins& margins);

// A length in hundredths of a millimetre as printer dots at `dotsPerInch`.
constexpr int hundredthsOfMmToDots(int length, int dotsPerInch)
{
    return static_cast<int>(static_cast<long long>(length) * dotsPerInch / 2540);
}

} // namespace orv
