#pragma once

namespace vrk {

inline constexpr const char* kProgramTitle = "Varkon Simulator 4.9.4 Beta";
inline constexpr const char* kProgramVersion = "4.9.4 Beta";

}  // namespace vrk
