// The maker's details: shown in the contact window, and behind the converter window's logo and
// web address.
#pragma once

namespace maker {

inline constexpr char kMakerName[] = "Orvane - Orvane Instruments, Inc";
inline constexpr char kStreet[] = "2740 Foundry Row, Suite 150";
inline constexpr char kCityLine[] = "Millbrook, OR 97555  USA";
inline constexpr char kPhone[] = "(541) 555-0142";
inline constexpr char kTollFree[] = "1-800-555-0186";
inline constexpr char kFax[] = "(541) 555-0143";
inline constexpr char kServiceEmail[] = "service@orvane.example";
inline constexpr char kWebAddress[] = "https://www.orvane.example";
inline constexpr char kLogoTooltip[] =
    "Orvane Instruments - vibration analysis tools. Click to visit our web site";

} // namespace maker
