#pragma once

#include <string_view>

#include "window/form/whats_new_text.h"

namespace ombrelo::window {

// The two fixed texts of the side panels, character for character: every line, the last
// included, ends with CR LF, and the blanks at line ends and starts are part of the text. The
// text boxes show them as lines. The version history, kWhatsNewText, is made by the build from
// whats_new.txt, which the package also installs as the upstream changelog.

// Who wrote the program and how to reach him (16 lines).
inline constexpr std::string_view kAboutText =
    "Ombrelo 1.1\r\n"
    "\r\n"
    "*Feel free to contact me for more conversions\r\n"
    "\r\n"
    "*Email\r\n"
    "  vesk@ombrelo.example\r\n"
    "\r\n"
    "*Contacts\r\n"
    "  Parley: vesk\r\n"
    "  Natter: vesk.ombrelo\r\n"
    "  Chirp: veskapps\r\n"
    "\r\n"
    "*Web\r\n"
    "  https://ombrelo.example/\r\n"
    "\r\n"
    "-Vesk\r\n";

}  // namespace ombrelo::window
