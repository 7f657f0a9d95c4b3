// SPDX-License-Identifier: MIT
#include "windows/jpeg_picture.h"

#include <wincodec.h>

#include <cstring>

namespace zembra::win {

namespace {

// Releases a COM interface at the end of its scope.
template <typename T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (m_pointer != nullptr) m_pointer->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T** Out() { return &m_pointer; }
    T* operator->() const { return m_pointer; }
    T* get() const { return m_pointer; }

private:
    T* m_pointer = nullptr;
};

struct ResourceBytes {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

ResourceBytes FindBytes(HINSTANCE instance, int resourceId) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10));
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(instance, found);
    if (loaded == nullptr) return {};
    return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(instance, found)};
}

HBITMAP CopyToBitmap(IWICBitmapSource* source, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, as WIC copies rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap == nullptr) return nullptr;
    const UINT stride = static_cast<UINT>(width) * 4;
    const UINT size = stride * static_cast<UINT>(height);
    if (FAILED(source->CopyPixels(nullptr, stride, size, static_cast<BYTE*>(pixels)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

}  // namespace

HBITMAP DecodeJpegResource(HINSTANCE instance, int resourceId, int width, int height) {
    const ResourceBytes bytes = FindBytes(instance, resourceId);
    if (bytes.data == nullptr) return nullptr;
    ComRef<IWICImagingFactory> factory;
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    ComRef<IWICBitmapScaler> scaler;
    ComRef<IWICFormatConverter> converter;
    const bool decoded =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(factory.Out()))) &&
        SUCCEEDED(factory->CreateStream(stream.Out())) &&
        SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data), bytes.size)) &&
        SUCCEEDED(factory->CreateDecoderFromStream(
            stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Out())) &&
        SUCCEEDED(decoder->GetFrame(0, frame.Out())) &&
        SUCCEEDED(factory->CreateBitmapScaler(scaler.Out())) &&
        SUCCEEDED(scaler->Initialize(frame.get(), static_cast<UINT>(width),
                                     static_cast<UINT>(height), WICBitmapInterpolationModeFant)) &&
        SUCCEEDED(factory->CreateFormatConverter(converter.Out())) &&
        SUCCEEDED(converter->Initialize(scaler.get(), GUID_WICPixelFormat32bppBGR,
                                        WICBitmapDitherTypeNone, nullptr, 0.0,
                                        WICBitmapPaletteTypeCustom));
    if (!decoded) return nullptr;
    return CopyToBitmap(converter.get(), width, height);
}

}  // namespace zembra::win
