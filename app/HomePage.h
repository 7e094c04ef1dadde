#pragma once

namespace zentrova {

#ifndef ZENTROVA_HOME_PAGE
#define ZENTROVA_HOME_PAGE "http://pfc.example"
#endif

// The publisher's home page: both the text of the main window's link label
// and the address a click on it opens. Set at build time.
inline constexpr const char* kHomePageAddress = ZENTROVA_HOME_PAGE;

}  // namespace zentrova
