#include "gif/GifAnimation.h"

#include <algorithm>
#include <utility>

namespace gif {

void GifAnimation::ClearFrames()
{
    host_.SetTimerEnabled(false);
    picture_.Clear();
    composer_.Release();
    Empty = true;
    ImageWidth = ImageHeight = 0;
    currentFrame_ = 1;
    loopCount_ = 1;
    loopIndex_ = 1;
    firstTick_ = true;
    shown_ = 0;
}

void GifAnimation::Prepare(GifPicture picture)
{
    picture_ = std::move(picture);
    ImageWidth = picture_.ImageWidth;
    ImageHeight = picture_.ImageHeight;
    loopCount_ = picture_.LoopCount;
    composer_.Reset(picture_);
    Empty = false;
    shown_ = 0;
    host_.SetTimerInterval(1);
    host_.Changing();
    drawFrame(currentFrame_);
    host_.Changed();
}

void GifAnimation::drawFrame(int n)
{
    if (n < 1 || n > FrameCount())
        return;
    composer_.DrawFrame(n);
    shown_ = n;
}

// The frame on show is the one to dispose of. While playing this is the frame
// before CurrentFrame; after a stop, a restart or a jump it is the one the
// composed picture actually holds, so a disposal never restores what a frame
// that was not drawn saved.
void GifAnimation::disposeShown()
{
    if (shown_ == 0)
        return;
    composer_.DisposeFrame(shown_);
    shown_ = 0;
}

std::uint32_t GifAnimation::FrameDelayInterval(int n) const
{
    const std::int64_t delay = n >= 1 && n <= FrameCount() ? picture_.Frame(n).Delay : 0;
    const std::int64_t ms = std::max<std::int64_t>(delay, 50) * 100 / speed_;
    return std::uint32_t(std::clamp<std::int64_t>(ms, 1, UINT32_MAX));
}

bool GifAnimation::TimerWanted() const
{
    return IsAnimated() && animate_ && !Empty && (loop_ || loopCount_ == 0 || loopIndex_ <= loopCount_);
}

void GifAnimation::TimerTick()
{
    if (Empty || !animate_)
        return;
    if (currentFrame_ > FrameCount() || currentFrame_ < 1)
        currentFrame_ = 1;
    host_.Changing();
    if (firstTick_) {
        // Frame 1 is already drawn: this tick only schedules its delay.
        firstTick_ = false;
    } else {
        disposeShown();
        drawFrame(currentFrame_);
        host_.RepaintNow();
    }
    host_.SetTimerInterval(FrameDelayInterval(currentFrame_));
    ++currentFrame_;
    const bool wrapped = currentFrame_ > FrameCount();
    if (!loop_ && loopCount_ > 0 && wrapped) {
        // A finite pass count: stop after the last pass, on the last frame
        // (CurrentFrame stays past it until the next start).
        ++loopIndex_;
        if (loopIndex_ > loopCount_)
            host_.SetTimerEnabled(false);
    } else if (wrapped) {
        currentFrame_ = 1;
    }
    host_.Changed();
    if (wrapped)
        host_.WrappedAnimation();
}

void GifAnimation::SetAnimate(bool v)
{
    if (animate_ == v)
        return;
    animate_ = v;
    loopIndex_ = 1;
    if (v && FrameCount() > 1)
        host_.SetTimerInterval(FrameDelayInterval(currentFrame_));
    host_.SetTimerEnabled(v && IsAnimated() && !Empty);
    // Stopping returns to frame 1, also when a looping pass has just wrapped
    // (CurrentFrame already 1, the last frame still on show).
    if (!v && !Empty && FrameCount() > 0 && (currentFrame_ != 1 || shown_ != 1)) {
        disposeShown();
        currentFrame_ = 1;
        drawFrame(1);
        host_.InvalidatePicture();
    }
}

void GifAnimation::SetLoop(bool v)
{
    if (loop_ == v)
        return;
    loop_ = v;
    // Switching Loop on after a finished animation starts it again.
    if (v && FrameCount() > 0 && loopCount_ > 0 && loopIndex_ > loopCount_) {
        currentFrame_ = 1;
        loopIndex_ = 1;
        if (animate_ && FrameCount() > 1)
            host_.SetTimerInterval(FrameDelayInterval(1));
        host_.SetTimerEnabled(animate_ && IsAnimated());
    }
}

void GifAnimation::SetSpeed(int v)
{
    v = std::max(v, 1);
    if (speed_ == v)
        return;
    speed_ = v;
    // The next tick comes at once and reschedules with the new speed.
    if (FrameCount() > 1 && animate_)
        host_.SetTimerInterval(1);
}

void GifAnimation::SetCurrentFrame(int n)
{
    if (n < 1 || n > FrameCount() || (n == currentFrame_ && n == shown_))
        return;
    host_.Changing();
    disposeShown();
    currentFrame_ = n;
    drawFrame(n);
    host_.RepaintNow();
    host_.Changed();
}

} // namespace gif
