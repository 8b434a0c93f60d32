// The wuffs GIF decoder as a benchmark peer (compiled only into bench/, in a C
// translation unit of its own: wuffs_peer.c).
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Called after each frame is composed; `canvas` holds width x height pixels,
// 32-bit premultiplied 0xAARRGGBB (BGRA bytes), stride width.
typedef void (*wuffs_peer_frame_fn)(void* user, const uint32_t* canvas, int width, int height, int frame);

// Decodes every frame of the GIF and composes each onto one canvas, the way a
// player does: the previous frame's disposal (restore background: clear its
// rectangle; restore previous: copy back what was saved under it), then the
// frame drawn with SRC when it overwrites, else SRC_OVER. Allocates its
// decoder, canvas and work buffer per call, as a load does. Returns the
// number of frames, or -1 on an error. `on_frame` may be null.
int wuffs_peer_compose_all(const uint8_t* data, size_t size, wuffs_peer_frame_fn on_frame, void* user);

#ifdef __cplusplus
}
#endif
