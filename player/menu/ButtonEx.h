#pragma once
// A push button drawn entirely from pictures, one per state, with rollover
// tracking and sounds. The owner hands it its WM_DRAWITEM requests.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "Handles.h"
#include "Window.h"

class CButtonEx : public wingui::CWindow {
public:
    enum PictureState { kNormal = 0, kPressed, kFocus, kRollover, kDisabled, kStateCount };
    using Picture = std::shared_ptr<wingui::Bitmap>;
    // The five state pictures, loadable once and shared by many buttons
    // (the menu's twelve buttons all show the same set).
    struct PictureSet {
        Picture pictures[kStateCount];
    };
    // Loads a set from bitmap files; a state whose file cannot be loaded has none.
    static PictureSet LoadPictureSet(const std::string& normal, const std::string& pressed, const std::string& focus,
                                     const std::string& rollover, const std::string& disabled);
    // The same from embedded bitmaps named by the base name and the state letter.
    static PictureSet LoadEmbeddedPictureSet(const std::string& baseName);
    // The letters that name each state's picture file or embedded bitmap.
    static constexpr char kStateLetters[kStateCount] = {'U', 'D', 'F', 'R', 'X'};

    CButtonEx() = default;
    ~CButtonEx() override;

    // Loads the five pictures from bitmap files; false (and no normal
    // picture) when the normal one cannot be loaded.
    bool SetBitmaps(const std::string& normal, const std::string& pressed, const std::string& focus,
                    const std::string& rollover, const std::string& disabled);
    // The same with a set loaded before. A window that its owner places and
    // sizes itself right after may leave the sizing to the first drawing.
    enum class Sizing { Now, AtFirstDrawing };
    bool SetBitmaps(const PictureSet& set, Sizing sizing = Sizing::Now);
    // The same from embedded bitmaps named by the base name (or the caption)
    // followed by the state letter.
    bool LoadBitmaps();
    void SetResourceBaseName(const std::string& baseName) { resourceBaseName_ = baseName; }
    // The rollover sound is read into memory; a missing file leaves a sound unset.
    void SetSounds(const std::string& rolloverPath, const std::string& clickPath);
    // The two sounds, read once for all the buttons of a menu.
    struct SoundSet {
        std::shared_ptr<const std::vector<char>> rollover;
        std::string click;
    };
    static SoundSet LoadSounds(const std::string& rolloverPath, const std::string& clickPath);
    void SetSounds(const SoundSet& sounds);
    void SetTransparentColor(COLORREF color);

    int GetBitmapWidth() const { return pictureSize_.cx; }
    int GetBitmapHeight() const { return pictureSize_.cy; }
    bool HasPicture(PictureState state) const { return bool(pictures_[state]); }
    bool IsHovering() const { return hover_; }
    bool HasRolloverSound() const { return rolloverSound_ && !rolloverSound_->empty(); }
    const std::string& ClickSound() const { return clickSound_; }
    // How often the rollover sound was started.
    int RolloverPlays() const { return rolloverPlays_; }
    // The state whose picture the last drawing showed.
    PictureState LastDrawn() const { return lastDrawn_; }

    // Shows or hides the control; a button that cannot show anything stays hidden.
    void Show(bool show);
    // The owner's WM_DRAWITEM for this control.
    virtual void DrawItem(const DRAWITEMSTRUCT& item);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnWindowDestroyed() override;
    // CButtonTxt still has its caption to show without a picture.
    virtual bool ShowsWithoutPicture() const { return false; }
    // Chooses and copies the state's picture; false when there is none.
    bool DrawPicture(const DRAWITEMSTRUCT& item);
    PictureState ChooseState(UINT itemState) const;

private:
    bool LoadPictures(const std::string& base, bool fromFiles);
    HBITMAP PictureOf(PictureState state) const { return pictures_[state] ? pictures_[state]->Get() : nullptr; }
    void TakePictureSize(Sizing sizing = Sizing::Now);
    void SizeToPicture();
    void OnMouseMove(POINT client);
    // Draws the button as the platform's owner-drawn paint would, into any
    // context: its own paint's, or a parent's that draws it with itself.
    void PaintOwnerDrawn(HDC dc);
    void StopOwnSound();

    Picture pictures_[kStateCount];
    SIZE pictureSize_ = {0, 0};
    std::string resourceBaseName_;
    bool fromFiles_ = false;
    bool sized_ = false;
    bool hover_ = false;
    PictureState lastDrawn_ = kNormal;
    bool drawnOnce_ = false;
    COLORREF transparentColor_ = RGB(0, 0, 0);
    bool useTransparentColor_ = false;
    std::shared_ptr<const std::vector<char>> rolloverSound_;
    std::string clickSound_;
    bool playingRollover_ = false;
    int rolloverPlays_ = 0;
};

// Paints what the parent window shows behind the child into the child's
// context: buttons with transparent parts, and captions without a picture.
void PaintParentBackground(HWND child, HDC dc);
