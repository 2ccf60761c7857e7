#pragma once
// What the splash window does when it opens and on each of its two timers,
// apart from the window itself: which sound starts, which timers run, and
// when the picture is hidden, the sound stopped and the window closed.
#include <cstdint>

class CSettingsSplash;

// Seconds from the record as timer milliseconds. Records are not validated,
// so a negative count gives 0 and a huge one the longest period a timer has.
std::uint32_t SplashSecondsToMilliseconds(std::int32_t seconds);

enum class SplashSound { kNone, kPlayOnce, kLoop };

class CSplashTimeline {
public:
    static constexpr unsigned kPictureTimer = 1;
    static constexpr unsigned kSoundTimer = 2;

    // soundFileExists: a file exists at the disc root followed by SoundFile.
    CSplashTimeline(const CSettingsSplash& splash, bool soundFileExists);

    struct Start {
        SplashSound sound = SplashSound::kNone;
        std::uint32_t pictureMs = 0;  // timer 1, always started
        bool soundTimer = false;      // timer 2 with soundMs
        std::uint32_t soundMs = 0;
    };
    // When the window opens; sets the picture-showing and sound-looping flags.
    Start Begin();

    struct Outcome {
        bool stopSound = false;
        bool hideWindow = false;
        bool close = false;  // with the result 1
    };
    Outcome OnTimer(unsigned timerId);
    // Escape: the looping sound is stopped with the window, since nothing
    // else would ever end it.
    bool StopSoundOnEscape() const { return soundLooping_; }

    bool PictureShowing() const { return pictureShowing_; }
    bool SoundLooping() const { return soundLooping_; }

private:
    std::int32_t length_;
    std::int32_t soundOption_;
    std::int32_t soundLength_;
    bool playSound_;
    bool pictureShowing_ = false;
    bool soundLooping_ = false;
};

// The splash step without a picture ("Image" clear, "Sound" set).
struct SoundOnlyPlan {
    enum Kind { kNothing, kPlayToEnd, kLoopFor } kind = kNothing;
    std::uint32_t loopMs = 0;  // for kLoopFor
};
SoundOnlyPlan PlanSoundWithoutPicture(const CSettingsSplash& splash, bool soundFileExists);
