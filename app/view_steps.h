// Step groups shared by several commands. The rendering ones expect the drawing
// target to be "MEMORY"; the caller switches it there and back to "CLIENT".
#pragma once

#include <windows.h>

// The backdrop copied under the zoomed grid, then the grid in gridStyle.
void RenderZoomedGrid(HWND window);
// The four thumbnails wiped dark grey.
void WipeThumbnails(HWND window);
// The image area of the three previews, and the mask, wiped dark grey.
void WipePreviews(HWND window);
// The previews on grey, black and white, and the mask, from the document.
void RenderPreviews(HWND window);
// Button 1 pushed, all four image buttons disabled, 2 to 4 released.
void ResetImageButtons();
