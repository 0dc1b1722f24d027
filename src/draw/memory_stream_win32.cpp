#include "draw/memory_stream_win32.h"

#include <algorithm>
#include <cstring>

#include "base/handles_win32.h"

namespace CatRenderer {

MemoryStream::MemoryStream(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

HRESULT STDMETHODCALLTYPE MemoryStream::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ISequentialStream) ||
        IsEqualIID(riid, IID_IStream)) {
        *object = static_cast<IStream*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE MemoryStream::AddRef() {
    return ++references_;
}

ULONG STDMETHODCALLTYPE MemoryStream::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT STDMETHODCALLTYPE MemoryStream::Read(void* buffer, ULONG count, ULONG* read) {
    const std::uint64_t size = bytes_.size();
    const std::uint64_t available = size - std::min(size, position_);
    const ULONG n = static_cast<ULONG>(std::min<std::uint64_t>(count, available));
    if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    if (read != nullptr) *read = n;
    return n == count ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE MemoryStream::Write(const void*, ULONG, ULONG*) {
    return STG_E_ACCESSDENIED;
}

HRESULT STDMETHODCALLTYPE MemoryStream::Seek(LARGE_INTEGER offset, DWORD origin,
                                             ULARGE_INTEGER* newPosition) {
    std::int64_t base = 0;
    switch (origin) {
        case STREAM_SEEK_SET:
            base = 0;
            break;
        case STREAM_SEEK_CUR:
            base = static_cast<std::int64_t>(position_);
            break;
        case STREAM_SEEK_END:
            base = static_cast<std::int64_t>(bytes_.size());
            break;
        default:
            return STG_E_INVALIDFUNCTION;
    }
    const std::int64_t target = base + offset.QuadPart;
    if (target < 0) return STG_E_INVALIDFUNCTION;
    position_ = static_cast<std::uint64_t>(target);
    if (newPosition != nullptr) newPosition->QuadPart = position_;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE MemoryStream::SetSize(ULARGE_INTEGER) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE MemoryStream::CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                                               ULARGE_INTEGER*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE MemoryStream::Commit(DWORD) {
    return S_OK;
}

HRESULT STDMETHODCALLTYPE MemoryStream::Revert() {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE MemoryStream::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE MemoryStream::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE MemoryStream::Stat(STATSTG* stat, DWORD) {
    if (stat == nullptr) return E_POINTER;
    std::memset(stat, 0, sizeof *stat);
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = bytes_.size();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE MemoryStream::Clone(IStream**) {
    return E_NOTIMPL;
}

}  // namespace CatRenderer

namespace {

std::unique_ptr<Gdiplus::Bitmap> TransparentPixel() {
    auto bitmap = std::make_unique<Gdiplus::Bitmap>(1, 1, PixelFormat32bppPARGB);
    if (bitmap->GetLastStatus() == Gdiplus::Ok) bitmap->SetPixel(0, 0, Gdiplus::Color(0, 0, 0, 0));
    return bitmap;
}

}  // namespace

std::unique_ptr<Gdiplus::Bitmap> DecodePngBitmap(const std::vector<std::uint8_t>& png) {
    if (png.empty()) return TransparentPixel();
    const ComReference<IStream> stream(new CatRenderer::MemoryStream(png));
    std::unique_ptr<Gdiplus::Bitmap> decoded(Gdiplus::Bitmap::FromStream(stream.get()));
    if (decoded == nullptr || decoded->GetLastStatus() != Gdiplus::Ok || decoded->GetWidth() == 0 ||
        decoded->GetHeight() == 0) {
        return TransparentPixel();
    }
    const INT width = static_cast<INT>(decoded->GetWidth());
    const INT height = static_cast<INT>(decoded->GetHeight());
    auto converted = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
    if (converted->GetLastStatus() != Gdiplus::Ok) return TransparentPixel();
    {
        Gdiplus::Graphics graphics(converted.get());
        graphics.Clear(Gdiplus::Color(0, 0, 0, 0));
        if (graphics.DrawImage(decoded.get(), 0, 0, width, height) != Gdiplus::Ok)
            return TransparentPixel();
    }
    return converted;
}
