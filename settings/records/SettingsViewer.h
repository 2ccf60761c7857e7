#pragma once
// A standard viewer of the designer: an installer for the program that opens
// one or more file types, kept for reuse. Each viewer lives in a folder of
// its own below the designer's "Viewers" directory, in "Attributes.ini".
#include <set>

#include "SettingsInstall.h"

class CSettingsViewer : public CSettingsInstall {
public:
    // Viewers live below the designer's own "Viewers" directory.
    CSettingsViewer();
    // Viewers live below the given directory instead.
    explicit CSettingsViewer(std::string viewersDirectory);
    CSettingsViewer(const CSettingsViewer&) = default;

    std::unique_ptr<CSettings> Clone() const override { return std::make_unique<CSettingsViewer>(*this); }
    // False when the viewer's file does not exist.
    bool Load() override;
    bool Save() override;

    void SetDirectoryName(const std::string& name);
    const std::string& GetDirectoryName() const { return directoryName_; }
    // The viewer's folder; a viewer without one first takes the first free
    // name Viewers1, Viewers2, ... and creates it.
    std::string GetDirectoryPath();

    bool HasExtension(const std::string& extension) const { return extensions_.count(extension) != 0; }
    void AddExtension(const std::string& extension) { extensions_.insert(extension); }
    // Sorted by exact text, without duplicates.
    const std::set<std::string>& Extensions() const { return extensions_; }

    // "Reader (*.fdf; *.pdf)".
    std::string DisplayText() const;

    // A crafted "FileExtensionCount" must not make the designer loop or
    // allocate without limit.
    static constexpr int kMaxExtensions = 1024;

private:
    std::string viewersDirectory_;
    std::string directoryName_;
    std::set<std::string> extensions_;
};
