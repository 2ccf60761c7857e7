#include "SplashTimeline.h"

#include "records/SettingsSplash.h"

std::uint32_t SplashSecondsToMilliseconds(std::int32_t seconds) {
    // The platform's longest timer period.
    constexpr std::int64_t kLongest = 0x7FFFFFFF;
    const std::int64_t ms = std::int64_t(seconds) * 1000;
    if (ms < 0) return 0;
    return std::uint32_t(ms > kLongest ? kLongest : ms);
}

CSplashTimeline::CSplashTimeline(const CSettingsSplash& splash, bool soundFileExists)
    : length_(splash.Length),
      soundOption_(splash.SoundOption),
      soundLength_(splash.SoundLength),
      playSound_(splash.Sound && soundFileExists) {}

CSplashTimeline::Start CSplashTimeline::Begin() {
    Start start;
    start.pictureMs = SplashSecondsToMilliseconds(length_);
    pictureShowing_ = true;
    if (!playSound_) return start;
    switch (soundOption_) {
        case CSettingsSplash::kPlayOnce:
            start.sound = SplashSound::kPlayOnce;
            break;
        case CSettingsSplash::kPlayForSoundLength:
            start.soundTimer = true;
            start.soundMs = SplashSecondsToMilliseconds(soundLength_);
            [[fallthrough]];
        case CSettingsSplash::kLoopWhileShown:
            start.sound = SplashSound::kLoop;
            soundLooping_ = true;
            break;
        default:
            break;
    }
    return start;
}

CSplashTimeline::Outcome CSplashTimeline::OnTimer(unsigned timerId) {
    Outcome outcome;
    if (timerId == kPictureTimer) {
        if (soundOption_ == CSettingsSplash::kLoopWhileShown && soundLooping_) {
            outcome.stopSound = true;
            soundLooping_ = false;
        }
        // Option 3 with sound time left: the picture goes, the sound plays on.
        if (soundLooping_) outcome.hideWindow = true;
        pictureShowing_ = false;
    } else if (timerId == kSoundTimer) {
        outcome.stopSound = soundLooping_;
        soundLooping_ = false;
    } else {
        return outcome;
    }
    outcome.close = !pictureShowing_ && !soundLooping_;
    return outcome;
}

SoundOnlyPlan PlanSoundWithoutPicture(const CSettingsSplash& splash, bool soundFileExists) {
    SoundOnlyPlan plan;
    if (!splash.Sound || !soundFileExists) return plan;
    switch (splash.SoundOption) {
        case CSettingsSplash::kPlayOnce:
        case CSettingsSplash::kLoopWhileShown:
            plan.kind = SoundOnlyPlan::kPlayToEnd;
            break;
        case CSettingsSplash::kPlayForSoundLength:
            plan.kind = SoundOnlyPlan::kLoopFor;
            plan.loopMs = SplashSecondsToMilliseconds(splash.SoundLength);
            break;
        default:
            break;
    }
    return plan;
}
