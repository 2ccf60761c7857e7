#include "SplashSound.h"

#include <mmsystem.h>

#include "DiscRoot.h"
#include "records/SettingsSplash.h"
#include "splash/SplashTimeline.h"
#include "FileUtil.h"
#include "LateShell.h"
#include "ProcessUtil.h"

void PlaySplashSoundFile(const std::string& path, DWORD flags) {
    wingui::late::PlaySound(path.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT | flags);
}

void StopSplashSound() { wingui::late::PlaySound(nullptr, nullptr, 0); }

void PlaySplashSound(const CSettingsSplash& splash, const std::string& discRoot) {
    const std::string path = DiscPath(discRoot, splash.SoundFile);
    const SoundOnlyPlan plan = PlanSoundWithoutPicture(splash, FileExists(path));
    switch (plan.kind) {
        case SoundOnlyPlan::kPlayToEnd:
            PlaySplashSoundFile(path, SND_SYNC);
            break;
        case SoundOnlyPlan::kLoopFor:
            PlaySplashSoundFile(path, SND_ASYNC | SND_LOOP);
            SleepAndPump(plan.loopMs, nullptr);
            StopSplashSound();
            break;
        case SoundOnlyPlan::kNothing:
            break;
    }
}
