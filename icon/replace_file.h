// The one platform call of the icon core: putting a finished file in place.
#pragma once

// Moves from over to, replacing to if it exists. 0 done, 1 failed.
int ReplaceTargetFile(const char* from, const char* to);
