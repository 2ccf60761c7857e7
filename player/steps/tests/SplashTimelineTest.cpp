// The splash window's timers and sounds, driven in virtual time: each case
// lists what the window shows, plays, stops and closes, and when.
#include "splash/SplashTimeline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/SettingsSplash.h"

namespace {

// The platform runs a timer of period 0 at its shortest period.
constexpr std::uint32_t kShortestTimerMs = 10;

struct Timer {
    unsigned id;
    std::uint32_t period;
    std::uint64_t due;
};

std::vector<std::string> Simulate(const CSettingsSplash& splash, bool soundFileExists) {
    std::vector<std::string> log;
    CSplashTimeline timeline(splash, soundFileExists);
    const CSplashTimeline::Start start = timeline.Begin();
    log.push_back("0 show");
    if (start.sound == SplashSound::kPlayOnce) log.push_back("0 play once");
    if (start.sound == SplashSound::kLoop) log.push_back("0 loop");

    std::vector<Timer> timers;
    auto add = [&](unsigned id, std::uint32_t ms) {
        const std::uint32_t period = ms < kShortestTimerMs ? kShortestTimerMs : ms;
        timers.push_back({id, period, period});
    };
    add(CSplashTimeline::kPictureTimer, start.pictureMs);
    if (start.soundTimer) add(CSplashTimeline::kSoundTimer, start.soundMs);

    bool visible = true;
    for (int ticks = 0; ticks < 1000; ++ticks) {
        Timer* next = &timers[0];
        for (Timer& t : timers) {
            if (t.due < next->due) next = &t;
        }
        const std::string at = std::to_string(next->due) + " ";
        const CSplashTimeline::Outcome outcome = timeline.OnTimer(next->id);
        next->due += next->period;
        if (outcome.stopSound) log.push_back(at + "stop sound");
        if (outcome.hideWindow && visible) {
            log.push_back(at + "hide");
            visible = false;
        }
        if (outcome.close) {
            log.push_back(at + "close");
            return log;
        }
    }
    log.push_back("never closes");
    return log;
}

CSettingsSplash Splash(std::int32_t length, bool sound, std::int32_t option, std::int32_t soundLength) {
    CSettingsSplash splash;
    splash.Image = true;
    splash.Length = length;
    splash.Sound = sound;
    splash.SoundOption = option;
    splash.SoundLength = soundLength;
    return splash;
}

}  // namespace

TEST(SplashTimeline, ShowsAndStopsByLengthSoundAndOption) {
    struct Case {
        std::int32_t length;
        bool sound;
        std::int32_t option;
        std::int32_t soundLength;
        bool soundFileExists;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // Picture and looping sound end together.
        {5, true, 2, 9, true, {"0 show", "0 loop", "5000 stop sound", "5000 close"}},
        // The picture goes first, the sound plays on and ends the step.
        {2, true, 3, 6, true, {"0 show", "0 loop", "2000 hide", "6000 stop sound", "6000 close"}},
        // The sound stops first, the picture stays its time.
        {6, true, 3, 2, true, {"0 show", "0 loop", "2000 stop sound", "6000 close"}},
        // Played once: the window closes and the sound is left to end itself.
        {3, true, 1, 20, true, {"0 show", "0 play once", "3000 close"}},
        // Length 0 closes at the first tick.
        {0, false, 2, 5, true, {"0 show", "10 close"}},
        {-4, false, 2, 5, true, {"0 show", "10 close"}},
        // A missing sound file: the picture alone.
        {5, true, 2, 5, false, {"0 show", "5000 close"}},
        {2, true, 3, 6, false, {"0 show", "2000 close"}},
        // Sound not set: the option does not matter.
        {4, false, 3, 9, true, {"0 show", "4000 close"}},
        // Options outside 1 to 3 play nothing.
        {1, true, 0, 5, true, {"0 show", "1000 close"}},
        {1, true, 4, 5, true, {"0 show", "1000 close"}},
        // A sound time of 0 stops the sound at the first tick.
        {3, true, 3, 0, true, {"0 show", "0 loop", "10 stop sound", "3000 close"}},
    };
    for (const Case& c : cases) {
        const CSettingsSplash splash = Splash(c.length, c.sound, c.option, c.soundLength);
        EXPECT_EQ(Simulate(splash, c.soundFileExists), c.expected)
            << "Length " << c.length << " Sound " << c.sound << " SoundOption " << c.option << " SoundLength "
            << c.soundLength << " file " << c.soundFileExists;
    }
}

TEST(SplashTimeline, EscapeStopsOnlyASoundStillLooping) {
    CSettingsSplash loopWhileShown = Splash(5, true, 2, 5);
    CSplashTimeline looping(loopWhileShown, true);
    looping.Begin();
    EXPECT_TRUE(looping.StopSoundOnEscape());

    CSettingsSplash once = Splash(5, true, 1, 5);
    CSplashTimeline playingOnce(once, true);
    playingOnce.Begin();
    EXPECT_FALSE(playingOnce.StopSoundOnEscape());

    CSettingsSplash timed = Splash(6, true, 3, 2);
    CSplashTimeline soundTimeUp(timed, true);
    soundTimeUp.Begin();
    soundTimeUp.OnTimer(CSplashTimeline::kSoundTimer);
    EXPECT_FALSE(soundTimeUp.StopSoundOnEscape());
    EXPECT_TRUE(soundTimeUp.PictureShowing());
}

TEST(SplashTimeline, SecondsBecomeTimerPeriodsWithoutOverflow) {
    EXPECT_EQ(SplashSecondsToMilliseconds(0), 0u);
    EXPECT_EQ(SplashSecondsToMilliseconds(30), 30000u);
    EXPECT_EQ(SplashSecondsToMilliseconds(-1), 0u);
    EXPECT_EQ(SplashSecondsToMilliseconds(2147483), 2147483000u);
    EXPECT_EQ(SplashSecondsToMilliseconds(2147484), 0x7FFFFFFFu);
    EXPECT_EQ(SplashSecondsToMilliseconds(INT32_MAX), 0x7FFFFFFFu);
    EXPECT_EQ(SplashSecondsToMilliseconds(INT32_MIN), 0u);
}

TEST(SplashTimeline, SoundWithoutPicture) {
    struct Case {
        bool sound;
        bool fileExists;
        std::int32_t option;
        std::int32_t soundLength;
        SoundOnlyPlan::Kind kind;
        std::uint32_t loopMs;
    };
    const Case cases[] = {
        {true, true, 1, 5, SoundOnlyPlan::kPlayToEnd, 0},
        // Nothing to loop along with: option 2 plays once to its end.
        {true, true, 2, 5, SoundOnlyPlan::kPlayToEnd, 0},
        {true, true, 3, 7, SoundOnlyPlan::kLoopFor, 7000},
        {true, true, 3, -2, SoundOnlyPlan::kLoopFor, 0},
        {true, true, 0, 5, SoundOnlyPlan::kNothing, 0},
        {true, true, -1, 5, SoundOnlyPlan::kNothing, 0},
        {true, true, 4, 5, SoundOnlyPlan::kNothing, 0},
        {true, false, 1, 5, SoundOnlyPlan::kNothing, 0},
        {false, true, 1, 5, SoundOnlyPlan::kNothing, 0},
    };
    for (const Case& c : cases) {
        CSettingsSplash splash = Splash(5, c.sound, c.option, c.soundLength);
        splash.Image = false;
        const SoundOnlyPlan plan = PlanSoundWithoutPicture(splash, c.fileExists);
        EXPECT_EQ(plan.kind, c.kind) << "SoundOption " << c.option << " file " << c.fileExists;
        if (plan.kind == SoundOnlyPlan::kLoopFor) {
            EXPECT_EQ(plan.loopMs, c.loopMs);
        }
    }
}
