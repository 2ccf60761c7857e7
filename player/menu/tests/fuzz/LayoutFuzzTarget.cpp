#include "LayoutFuzzTarget.h"

#include <algorithm>

#include "layout/BackgroundFill.h"
#include "DiscSettings.h"
#include "layout/MenuPlacement.h"
#include "layout/PictureFit.h"
#include "Settings.h"
#include "SettingsFuzzTarget.h"
#include "layout/StandardMenuLayout.h"
#include "records/SettingsHtml.h"

namespace {

using namespace menulayout;

// Picture sizes a file could claim, drawn from the input itself so that
// the fuzzer steers them too: up to 65535, the largest a picture header holds.
class PictureSizes {
public:
    PictureSizes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    PixelSize Next() { return {Dimension(), Dimension()}; }

private:
    int Dimension() {
        if (size_ == 0) return 0;
        const unsigned low = data_[at_++ % size_];
        const unsigned high = data_[at_++ % size_];
        return int(low | (high << 8));
    }
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A small work area keeps tiling by a one-pixel picture cheap.
constexpr PixelRect kWorkArea = {0, 0, 640, 480};
constexpr int kFrame = 8;

volatile long long sink;

void Consume(const PixelRect& r) { sink = sink + r.x + r.y + r.width + r.height; }
void Consume(const PixelPoint& p) { sink = sink + p.x + p.y; }

void LayOutMenu(const CSettingsHtml& menu, PictureSizes& pictures) {
    const PixelRect placed = PlaceMenuWindow(kWorkArea, PlacementFor(menu));
    Consume(placed);
    PixelSize outer = {placed.width, placed.height};
    if (menu.ShowWindowFrame) {
        const PixelRect framed = CenterFrameAround(placed, placed.width + 2 * kFrame, placed.height + 2 * kFrame);
        Consume(framed);
        outer = {framed.width, framed.height};
    }

    StandardMenuInput in;
    in.outer = outer;
    in.client = {placed.width, placed.height};
    in.framed = menu.ShowWindowFrame;
    in.closePicture = pictures.Next();
    in.hasLogo = !menu.LogoFilename.empty();
    in.logoPicture = pictures.Next();
    in.title = pictures.Next();
    in.hasSubtitle = !menu.MenuSubTitle.empty();
    in.subtitle = pictures.Next();
    in.buttonCount = int(std::min<std::size_t>(std::size_t(menu.Buttons().Count()), kMaxMenuButtons));
    in.buttonPicture = pictures.Next();
    in.layoutType = menu.MenuLayoutType;
    in.showImage = menu.UseImage && !menu.ImageFilename.empty();
    const StandardMenuLayout layout = LayOutStandardMenu(in);
    Consume(layout.logoPaint);
    Consume(layout.title);
    for (const PixelPoint& at : layout.buttons) Consume(at);

    const PixelSize image = pictures.Next();
    Consume(FitPicture(layout.image.width, layout.image.height, image.width, image.height,
                       FitFlagsForImageStyle(menu.ImageBitmapStyle)));

    const GradientFill gradient = GradientFor(menu.BackgroundType, placed.width, placed.height, menu.Color1, menu.Color2);
    for (const GradientPiece& piece : gradient.pieces) sink = sink + piece.right + piece.bottom;
    const PixelSize background = pictures.Next();
    Consume(CenteredPosition(placed.width, placed.height, background.width, background.height));
    sink = sink + static_cast<long long>(TilePositions(placed.width, placed.height, background.width, background.height).size());
}

void LayOutMenusIn(const CSettingsList& list, PictureSizes& pictures) {
    for (const auto& record : list) {
        if (record->SettingType() == kSettingHtml) LayOutMenu(static_cast<const CSettingsHtml&>(*record), pictures);
        if (const CSettingsList* child = CSettingsList::ChildListOf(*record)) LayOutMenusIn(*child, pictures);
    }
}

}  // namespace

void LayOutMenusFromBytes(const std::uint8_t* data, std::size_t size) {
    PictureSizes pictures(data, size);
    LoadSettingsFromBytes(data, size, [&](const CDiscSettings& disc) { LayOutMenusIn(disc.RootList, pictures); });
}
