#include "icon/load_image.h"

#include "app/editor_state.h"
#include "app/view_steps.h"
#include "icon/reader.h"
#include "icon/render_grid.h"
#include "toolkit/draw/target.h"
#include "toolkit/window/dialogs.h"
#include "toolkit/window/window.h"

int LoadImageIntoEditor(HWND window, int n) {
    const int status = ReadIconImage(openPath, palette, pixelGrid, n);
    rk_DrawTarget_1(window, "MEMORY");

    HDC thumbnails[] = {thumbCanvas1, thumbCanvas2, thumbCanvas3, thumbCanvas4};
    if (status == 0 && n >= 1 && n <= 4) {
        rk_SelectCanvas_1(thumbnails[n - 1]);
        RenderPixelGrid(window, 0, 0, ICON_PIXELS, pixelGrid, palette, 0xC0C0C0, "NO_STYLE");
    }

    // Nothing is wiped first: every cell is drawn over.
    rk_SelectCanvas_1(gridCanvas);
    RenderPixelGrid(window, 0, 0, static_cast<float>(GRID_PIXELS), pixelGrid, palette,
                    TRANSPARENT_MARK, gridStyle);
    RenderPreviews(window);

    rk_DrawTarget_1(window, "CLIENT");
    rk_Repaint_1(window, "UNERASED");
    return status;
}
