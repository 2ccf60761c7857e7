#pragma once
// The vendor's web server: the one place that names its host. The pages'
// paths are fixed; the host is ours to configure.
#include <string>

inline constexpr const char* kVendorSite = "http://www.fernhollow.example";
inline constexpr const char* kGraphicsPage = "/Client/Graphics.asp";
inline constexpr const char* kSupportPage = "/Client/Support.asp";
inline constexpr const char* kHomePage = "/Client/Home.asp";

inline std::string VendorPageAddress(const char* page) { return std::string(kVendorSite) + page; }
