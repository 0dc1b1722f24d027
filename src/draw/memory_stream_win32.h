#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/gdiplus_include_win32.h"

namespace CatRenderer {

// A read-only IStream over bytes it does not own (they must outlive it).
// Used by one thread only, so the count is not interlocked.
class MemoryStream : public IStream {
public:
    explicit MemoryStream(const std::vector<std::uint8_t>& bytes);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override;
    HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG count, ULONG* written) override;

    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER offset, DWORD origin,
                                   ULARGE_INTEGER* newPosition) override;
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER size) override;
    HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read,
                                     ULARGE_INTEGER* written) override;
    HRESULT STDMETHODCALLTYPE Commit(DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Revert() override;
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count,
                                         DWORD type) override;
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER offset, ULARGE_INTEGER count,
                                           DWORD type) override;
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Clone(IStream** stream) override;

private:
    virtual ~MemoryStream() = default;  // only Release deletes

    ULONG references_ = 1;
    const std::vector<std::uint8_t>& bytes_;
    std::uint64_t position_ = 0;
};

}  // namespace CatRenderer

// Decodes PNG bytes into a 32-bpp premultiplied bitmap. Never fails
// outward: bad bytes give a 1 x 1 transparent bitmap.
std::unique_ptr<Gdiplus::Bitmap> DecodePngBitmap(const std::vector<std::uint8_t>& png);
