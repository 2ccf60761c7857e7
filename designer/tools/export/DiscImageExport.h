#pragma once
// "Save Disc Image...": the project directory written as an ISO 9660 and
// Joliet image that Windows mounts and every burning tool writes. The image
// is written beside its target under a temporary name and takes the
// target's name only when it is complete, so a cancelled or failed export
// leaves no partial image behind (and an older image of that name stays).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "IsoImageWriter.h"

class CDiscSettings;

// The image's volume name: the disc's label, else its Windows label, else
// the project's name.
std::string DiscImageLabel(const CDiscSettings& project);

// The folder tree below the directory as the image writer takes it.
ImageEntry ScanProjectDirectory(const std::string& directory);

// false from progress cancels.
ImageOutcome ExportDiscImage(const std::string& directory, const std::string& volumeName, const std::string& target,
                             const std::function<bool(std::uint64_t done, std::uint64_t total)>& progress);

// The whole command: asks for the file, writes it behind a progress window
// with Cancel, and says how it ended.
void SaveDiscImage(HWND mainWindow, const std::string& directory, const std::string& label);
