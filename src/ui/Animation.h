// The pace of the windows' animations. A person sees the delays as written;
// the window tests divide them, so that an animation runs on its real timer
// in a few milliseconds.
#pragma once

namespace veridane {

inline int DiviseurAnimation = 1;

inline int DelaiAnimation(int millisecondes) { return millisecondes / DiviseurAnimation; }

}  // namespace veridane
