#pragma once
// The splash step's sounds, through the platform's one sound player: starting
// a sound stops the one playing.
#include <windows.h>

#include <string>

class CSettingsSplash;

// flags: SND_ASYNC, SND_LOOP or SND_SYNC; the default sound is never played.
void PlaySplashSoundFile(const std::string& path, DWORD flags);
void StopSplashSound();

// The sound without a picture: played to its end, or looped for SoundLength
// seconds while messages are dispatched; nothing when the file is missing.
void PlaySplashSound(const CSettingsSplash& splash, const std::string& discRoot);
