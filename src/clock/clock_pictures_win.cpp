#include "clock/clock_pictures_win.h"

#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

#include "base/message_seam_win.h"
#include "base/scoped_handles_win.h"
#include "clock/resource.h"
#include "settings/config_store_win.h"

namespace marvix {

namespace {

Picture ResourcePicture(int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return Picture{1, 1, {0}};
    std::optional<Picture> picture =
        DecodeBitmapFile({bytes, static_cast<size_t>(SizeofResource(module, found))});
    return picture ? std::move(*picture) : Picture{1, 1, {0}};
}

ScopedFile OpenForReading(const std::string& path) {
    return ScopedFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// The file's bytes, when it opens, is no larger than a face may be and reads whole.
std::optional<std::vector<uint8_t>> FaceFileBytes(const std::string& path) {
    ScopedFile file = OpenForReading(path);
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > LONGLONG(kMaxFaceFileBytes))
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read != bytes.size()) {
        return std::nullopt;
    }
    return bytes;
}

// The larger copy of a face drawn for large sizes, "name@2x.bmp" beside "name.bmp"; none, and
// nothing said, when there is no such file or it is no picture.
std::optional<Picture> LargerCopyOf(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find_first_of("\\/", dot) != std::string::npos) return {};
    const auto bytes = FaceFileBytes(path.substr(0, dot) + "@2x" + path.substr(dot));
    return bytes ? DecodeBitmapFile(*bytes) : std::nullopt;
}

// One picture load, reporting its own failure as the picture loader of old did.
std::optional<Picture> LoadPicture(const std::string& path) {
    const auto bytes = FaceFileBytes(path);
    if (!bytes) {
        ShowMessage(kCannotOpenGraphic);
        return std::nullopt;
    }
    std::optional<Picture> picture = DecodeBitmapFile(*bytes);
    if (!picture) ShowMessage("Invalid graphic name.");
    return picture;
}

// The built-in faces clocks hold now, by scale; a face no clock holds any more is gone.
std::map<double, std::weak_ptr<GdiSurface>>& BuiltInFaces() {
    static std::map<double, std::weak_ptr<GdiSurface>> faces;
    return faces;
}

// Above 150 % the face drawn at twice its size, as every gallery face has one beside it; only the
// picture used is decoded and resampled.
void LoadBuiltInFace(GdiSurface& face) {
    if (face.Scale() > 1.5) {
        const Picture larger = ResourcePicture(IDR_FACE_LARGE);
        const Size faceSize{larger.width / 2, larger.height / 2};
        if (faceSize.width > 0 && faceSize.height > 0) return face.LoadPicture(larger, faceSize);
    }
    face.LoadPicture(ResourcePicture(IDR_FACE));
}

}  // namespace

void FacePicture::ShareBuiltIn(double scale) {
    std::weak_ptr<GdiSurface>& held = BuiltInFaces()[scale];
    surface_ = held.lock();
    builtIn_ = true;
    if (surface_) return;
    surface_ = std::make_shared<GdiSurface>();
    surface_->SetScale(scale);
    LoadBuiltInFace(*surface_);
    held = surface_;
}

GdiSurface& FacePicture::Own() {
    if (!builtIn_) return *surface_;
    builtIn_ = false;
    auto own = std::make_shared<GdiSurface>();
    own->SetScale(surface_->Scale());
    own->Resize(surface_->GetSize());
    own->CopyFrom(*surface_, Rect::At({0, 0}, surface_->GetSize()), {0, 0});
    surface_ = std::move(own);
    return *surface_;
}

ClockPictures::ClockPictures() {
    UseBuiltInFace();
    for (GdiSurface& digit : digits) digit.Resize({17, 9});
}

void ClockPictures::UseBuiltInFace() {
    face.ShareBuiltIn(display.Scale());
    display.Resize(face->GetSize());
    display.CopyFrom(*face, Rect::At({0, 0}, face->GetSize()), {0, 0});
}

void ClockPictures::SetScale(double scale) {
    for (GdiSurface* picture : {&display, &moon, &dayNight}) picture->SetScale(scale);
    for (GdiSurface& digit : digits) digit.SetScale(scale);
    UseBuiltInFace();
}

FrameSurfaces ClockPictures::Frame() {
    std::array<Surface*, 12> digitSurfaces{};
    for (size_t i = 0; i < digits.size(); ++i) digitSurfaces[i] = &digits[i];
    return FrameSurfaces{display, *face, digitSurfaces, moon, dayNight};
}

FaceLoad LoadFaceFile(const std::string& path, ClockPictures& pictures, const char* tooLarge) {
    uint8_t header[kBitCountByteOffset + 1];
    DWORD read = 0;
    LARGE_INTEGER size{};
    {
        ScopedFile file = OpenForReading(path);
        // A file too short to hold the bit count is no bitmap we could load.
        // Named whole: a face named relative to some folder is looked for in the current one.
        if (!file) {
            const unsigned long error = GetLastError();
            ShowMessage(NamingFile(kCannotLoadFile, FullPathOf(path), FileProblemInWords(error)));
            return {};
        }
        if (!ReadFile(file.Get(), header, sizeof header, &read, nullptr) || read != sizeof header ||
            !GetFileSizeEx(file.Get(), &size)) {
            ShowMessage(NamingFile(kCannotLoadFile, FullPathOf(path), kTooShortForAPicture));
            return {};
        }
    }
    if (FaceBitCount(header) > 8) {
        ShowMessage("Clock face bmp cannot have more than 256 colors.");
        return {};
    }
    if (size.QuadPart > LONGLONG(kMaxFaceFileBytes)) {
        ShowMessage(tooLarge, MessageStyle::Information);
        return {FaceTest::TooLarge};
    }
    // The face and the display picture each load the file and report their own failure.
    FaceLoad loaded{FaceTest::Passed};
    if (std::optional<Picture> face = LoadPicture(path)) {
        pictures.face.Own().LoadPicture(*face);
        loaded.face = true;
    }
    if (std::optional<Picture> display = LoadPicture(path)) {
        pictures.display.LoadPicture(*display);
        loaded.display = true;
    }
    // Above 150 % a larger copy beside the face, if there is one, is resampled in its place.
    if (loaded.face && pictures.face->Scale() > 1.5) {
        if (const std::optional<Picture> larger = LargerCopyOf(path)) {
            const Size faceSize = pictures.face->GetSize();
            pictures.face.Own().LoadPicture(*larger, faceSize);
            pictures.display.LoadPicture(*larger, faceSize);
        }
    }
    return loaded;
}

bool FitFaceToScreen(Size screen, ClockPictures& p) {
    const Size face = p.face->GetSize();
    if (face.height <= screen.height && face.width <= screen.width) return false;
    UseFallbackFace(p);
    return true;
}

void UseFallbackFace(ClockPictures& p) {
    // Read when it is needed, and only then: most clocks never show it.
    p.face.Own().LoadPicture(ResourcePicture(IDR_FALLBACK_FACE));
    p.display.Resize(p.face->GetSize());
}

void PrepareFace(const ClockSettings& s, ClockPictures& p, Size screen, const char* tooLarge) {
    if (!s.BackPic.empty() && !s.UseWall) LoadFaceFile(s.BackPic, p, tooLarge);
    if (s.UseWall) {
        p.display.Resize({s.TranWidth, s.TranHeight});
        p.face.Own().Resize({s.TranWidth, s.TranHeight});
    }
    FitFaceToScreen(screen, p);
}

// The screen's context spans every monitor in screen coordinates, so a place on a monitor left
// of or above the main one (negative coordinates) is taken from that monitor.
void CaptureDesktop(GdiSurface& face, Point topLeft) {
    const BorrowedDc screen(nullptr);
    if (!screen) return;
    const Size size = face.DeviceSize();
    BitBlt(face.DrawingDc(), 0, 0, size.width, size.height, screen.Get(), topLeft.x, topLeft.y,
           SRCCOPY);
}

Colour MeanColourIn(const GdiSurface& face, Rect area) {
    const Size size = face.DeviceSize();
    area = Intersection(face.DeviceRect(area), {0, 0, size.width, size.height});
    const PixelView pixels = face.Pixels();
    uint64_t red = 0, green = 0, blue = 0, count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const uint32_t pixel = pixels.pixels[size_t(y) * pixels.stride + size_t(x)];
            red += (pixel >> 16) & 0xFF, green += (pixel >> 8) & 0xFF, blue += pixel & 0xFF;
            ++count;
        }
    }
    if (count == 0) return Colour::Rgb(255, 255, 255);
    return Colour::Rgb(uint8_t(red / count), uint8_t(green / count), uint8_t(blue / count));
}

}  // namespace marvix
