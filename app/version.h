// The program's version, for the window's title and `vrek --version`.
#pragma once

namespace vrek {
inline constexpr const char *kProgramVersion = "20.23.03";
}
