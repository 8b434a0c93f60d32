// The wuffs peer: its single-file release compiled here, and the decode-and-
// compose loop its README describes.
#define WUFFS_IMPLEMENTATION
#define WUFFS_CONFIG__MODULES
#define WUFFS_CONFIG__MODULE__BASE
#define WUFFS_CONFIG__MODULE__GIF
#define WUFFS_CONFIG__MODULE__LZW
#include "wuffs-v0.4.c"

#include "WuffsPeer.h"

#include <stdlib.h>
#include <string.h>

int wuffs_peer_compose_all(const uint8_t* data, size_t size, wuffs_peer_frame_fn on_frame, void* user)
{
    int frames = -1;
    wuffs_gif__decoder* dec = (wuffs_gif__decoder*)malloc(sizeof__wuffs_gif__decoder());
    uint8_t* canvas = NULL;
    uint8_t* saved = NULL;
    uint8_t* work = NULL;
    if (!dec)
        return -1;
    if (wuffs_gif__decoder__initialize(dec, sizeof__wuffs_gif__decoder(), WUFFS_VERSION,
                                       WUFFS_INITIALIZE__LEAVE_INTERNAL_BUFFERS_UNINITIALIZED)
            .repr)
        goto done;

    wuffs_base__io_buffer src = wuffs_base__ptr_u8__reader((uint8_t*)data, size, true);
    wuffs_base__image_config ic = {0};
    if (wuffs_gif__decoder__decode_image_config(dec, &ic, &src).repr)
        goto done;
    const uint32_t w = wuffs_base__pixel_config__width(&ic.pixcfg);
    const uint32_t h = wuffs_base__pixel_config__height(&ic.pixcfg);
    wuffs_base__pixel_config__set(&ic.pixcfg, WUFFS_BASE__PIXEL_FORMAT__BGRA_PREMUL,
                                  WUFFS_BASE__PIXEL_SUBSAMPLING__NONE, w, h);
    const size_t bytes = (size_t)w * h * 4;
    canvas = (uint8_t*)calloc(1, bytes ? bytes : 1);
    saved = (uint8_t*)malloc(bytes ? bytes : 1);
    const uint64_t work_len = wuffs_gif__decoder__workbuf_len(dec).max_incl;
    work = (uint8_t*)malloc(work_len ? work_len : 1);
    if (!canvas || !saved || !work)
        goto done;
    wuffs_base__pixel_buffer pb;
    if (wuffs_base__pixel_buffer__set_from_slice(&pb, &ic.pixcfg, wuffs_base__make_slice_u8(canvas, bytes)).repr)
        goto done;

    int n = 0;
    wuffs_base__rect_ie_u32 prev = {0, 0, 0, 0};
    wuffs_base__animation_disposal prevDisposal = WUFFS_BASE__ANIMATION_DISPOSAL__NONE;
    for (;;) {
        wuffs_base__frame_config fc = {0};
        wuffs_base__status st = wuffs_gif__decoder__decode_frame_config(dec, &fc, &src);
        if (st.repr == wuffs_base__note__end_of_data)
            break;
        if (st.repr)
            goto done;
        // The previous frame's disposal.
        if (prevDisposal == WUFFS_BASE__ANIMATION_DISPOSAL__RESTORE_BACKGROUND) {
            for (uint32_t y = prev.min_incl_y; y < prev.max_excl_y; ++y)
                memset(canvas + ((size_t)y * w + prev.min_incl_x) * 4, 0,
                       (size_t)(prev.max_excl_x - prev.min_incl_x) * 4);
        } else if (prevDisposal == WUFFS_BASE__ANIMATION_DISPOSAL__RESTORE_PREVIOUS) {
            for (uint32_t y = prev.min_incl_y; y < prev.max_excl_y; ++y) {
                const size_t at = ((size_t)y * w + prev.min_incl_x) * 4;
                memcpy(canvas + at, saved + at, (size_t)(prev.max_excl_x - prev.min_incl_x) * 4);
            }
        }
        const wuffs_base__rect_ie_u32 r = wuffs_base__frame_config__bounds(&fc);
        const wuffs_base__animation_disposal disposal = wuffs_base__frame_config__disposal(&fc);
        if (disposal == WUFFS_BASE__ANIMATION_DISPOSAL__RESTORE_PREVIOUS) {
            // Only what lies under the frame.
            for (uint32_t y = r.min_incl_y; y < r.max_excl_y; ++y) {
                const size_t at = ((size_t)y * w + r.min_incl_x) * 4;
                memcpy(saved + at, canvas + at, (size_t)(r.max_excl_x - r.min_incl_x) * 4);
            }
        }
        const wuffs_base__pixel_blend blend = wuffs_base__frame_config__overwrite_instead_of_blend(&fc)
                                                  ? WUFFS_BASE__PIXEL_BLEND__SRC
                                                  : WUFFS_BASE__PIXEL_BLEND__SRC_OVER;
        st = wuffs_gif__decoder__decode_frame(dec, &pb, &src, blend, wuffs_base__make_slice_u8(work, work_len), NULL);
        if (st.repr && st.repr != wuffs_base__note__end_of_data)
            goto done;
        ++n;
        if (on_frame)
            on_frame(user, (const uint32_t*)canvas, (int)w, (int)h, n);
        prev = r;
        prevDisposal = disposal;
    }
    frames = n;
done:
    free(work);
    free(saved);
    free(canvas);
    free(dec);
    return frames;
}
