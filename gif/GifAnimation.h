// The animation state of the picture control, free of Qt: the decoded
// picture, its composed bitmaps, the frame clock's rules and the animation
// properties. The control (GIFImage) is its host: it owns the timer and the
// screen, and receives the events.
//
// Frame numbers are 1-based. CurrentFrame is, while still, the frame on show;
// while playing, the frame that the next tick draws. ShownFrame() is the frame
// last drawn onto the composed picture (0 when none).
#pragma once

#include "gif/GifComposer.h"
#include "gif/GifDecoder.h"

#include <cstdint>

namespace gif {

// What the animation needs from its control. All calls on the window thread.
class AnimationHost {
public:
    virtual ~AnimationHost() = default;
    virtual void SetTimerInterval(std::uint32_t ms) = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;
    virtual void Changing() = 0;          // OnChanging
    virtual void Changed() = 0;           // OnChange
    virtual void WrappedAnimation() = 0;  // OnWrapAnimation
    virtual void RepaintNow() = 0;        // the immediate repaint of the picture's area
    virtual void InvalidatePicture() = 0; // a repaint on the next paint
};

class GifAnimation {
public:
    explicit GifAnimation(AnimationHost& host) : host_(host) {}

    // Back to empty: frames and composed bitmaps released, timer off,
    // CurrentFrame, LoopCount and LoopIndex 1, the next tick only schedules.
    // Animate, Loop and Speed keep their values.
    void ClearFrames();
    // Takes a decoded picture and shows frame 1: composed bitmaps made anew,
    // timer interval 1 (the first tick after the next enabling paint comes at
    // once), OnChanging, frame 1 drawn, OnChange. Does not start the timer.
    void Prepare(GifPicture picture);

    // The timer's tick.
    void TimerTick();
    // Whether the timer should run; the control applies it after each paint.
    bool TimerWanted() const;
    void ApplyTimerRule() { host_.SetTimerEnabled(TimerWanted()); }
    // Display time of frame n in ms: max(max(Delay, 50) * 100 / Speed, 1).
    std::uint32_t FrameDelayInterval(int n) const;

    bool Animate() const { return animate_; }
    void SetAnimate(bool v);
    bool Loop() const { return loop_; }
    void SetLoop(bool v);
    int Speed() const { return speed_; }
    void SetSpeed(int v); // below 1 is stored as 1
    int CurrentFrame() const { return currentFrame_; }
    void SetCurrentFrame(int n); // ignored outside 1..FrameCount

    int FrameCount() const { return picture_.FrameCount(); }
    bool IsAnimated() const { return FrameCount() > 1; }
    int LoopCount() const { return loopCount_; }
    int LoopIndex() const { return loopIndex_; }
    int ShownFrame() const { return shown_; }
    bool HasTransparency() const { return picture_.HasTransparency; }
    // Frame 1 is transparent: the picture is drawn through its mask.
    bool DrawnTransparent() const { return FrameCount() > 0 && picture_.Frame(1).Transparent; }

    const GifPicture& Picture() const { return picture_; }
    const GifComposer& Composer() const { return composer_; }
    // The composed picture's areas changed since the last call (see GifComposer).
    std::vector<Rect> TakeChanged() { return composer_.TakeChanged(); }

    // Picture-wide state, public so the control's face can reach it by name.
    bool Empty = true;
    int ImageWidth = 0, ImageHeight = 0;

private:
    void drawFrame(int n);
    void disposeShown();

    AnimationHost& host_;
    GifPicture picture_;
    GifComposer composer_;
    bool animate_ = false, loop_ = false;
    int speed_ = 100;
    int currentFrame_ = 1;
    int loopCount_ = 1, loopIndex_ = 1;
    bool firstTick_ = true;
    int shown_ = 0;
};

} // namespace gif
