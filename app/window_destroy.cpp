#include "app/window_destroy.h"

#include "app/editor_state.h"
#include "toolkit/draw/target.h"

#include <initializer_list>

LRESULT DestroyEditorWindow(HWND) {
    // The font lives to the end of the process; the buttons go with the window.
    for (HDC canvas : {gridCanvas, previewGreyCanvas, previewBlackCanvas, previewWhiteCanvas,
                       maskCanvas, tileClearCanvas, backdropCanvas, thumbCanvas1, thumbCanvas2,
                       thumbCanvas3, thumbCanvas4}) {
        rk_ReleaseCanvas_1(canvas);
    }
    PostQuitMessage(0);
    return 0;
}
