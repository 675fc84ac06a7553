#include "app/view_steps.h"

#include "app/editor_state.h"
#include "icon/document.h"
#include "icon/render_grid.h"
#include "toolkit/draw/target.h"
#include "toolkit/window/buttons.h"

#include <initializer_list>

void RenderZoomedGrid(HWND window) {
    rk_SelectCanvas_1(gridCanvas);
    rk_Blit_1(window, backdropCanvas, 0, 0, GRID_PIXELS, GRID_PIXELS);
    RenderPixelGrid(window, 0, 0, static_cast<float>(GRID_PIXELS), pixelGrid, palette,
                    TRANSPARENT_MARK, gridStyle);
}

void WipeThumbnails(HWND window) {
    for (HDC thumbnail : {thumbCanvas1, thumbCanvas2, thumbCanvas3, thumbCanvas4}) {
        rk_SelectCanvas_1(thumbnail);
        rk_Blit_1(window, tileClearCanvas, 0, 0, 32, 32);
    }
}

void WipePreviews(HWND window) {
    // Only the image area: the preview's border keeps its background colour.
    for (HDC preview : {previewGreyCanvas, previewBlackCanvas, previewWhiteCanvas}) {
        rk_SelectCanvas_1(preview);
        rk_Blit_1(window, tileClearCanvas, 9, 9, 32, 32);
    }
    rk_SelectCanvas_1(maskCanvas);
    rk_Blit_1(window, tileClearCanvas, 0, 0, 32, 32);
}

void RenderPreviews(HWND window) {
    rk_SelectCanvas_1(previewGreyCanvas);
    RenderPixelGrid(window, 9, 9, ICON_PIXELS, pixelGrid, palette, 0xC0C0C0, "NO_STYLE");
    rk_SelectCanvas_1(previewBlackCanvas);
    RenderPixelGrid(window, 9, 9, ICON_PIXELS, pixelGrid, palette, 0x000000, "NO_STYLE");
    rk_SelectCanvas_1(previewWhiteCanvas);
    RenderPixelGrid(window, 9, 9, ICON_PIXELS, pixelGrid, palette, 0xFFFFFF, "NO_STYLE");
    rk_SelectCanvas_1(maskCanvas);
    RenderPixelGrid(window, 0, 0, ICON_PIXELS, pixelGrid, palette, 0xC0C0C0, "MASK");
}

void ResetImageButtons() {
    rk_ButtonDown_1(imageButton1);
    for (HWND button : {imageButton1, imageButton2, imageButton3, imageButton4}) {
        rk_DisableControl_1(button);
    }
    for (HWND button : {imageButton2, imageButton3, imageButton4}) rk_ButtonUp_1(button);
}
