#include "win32/wic_png.h"

#include "win32/windows_api.h"

#include <objbase.h>
#include <wincodec.h>

#include <stdexcept>

namespace mirelo::win32 {
namespace {

// Releases a COM interface on every way out.
template <typename T>
class Com {
 public:
  Com() = default;
  ~Com() {
    if (p_) p_->Release();
  }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  T* operator->() const { return p_; }
  T** Out() { return &p_; }
  T* get() const { return p_; }

 private:
  T* p_ = nullptr;
};

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) throw std::runtime_error(std::string("PNG: ") + what);
}

}  // namespace

void WritePng24(const std::filesystem::path& path, const void* pixels, int width, int height,
                int stride, int dotsPerInch) {
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const bool uninit = SUCCEEDED(init);
  try {
    Com<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out())),
          "no imaging component");
    Com<IWICStream> stream;
    Check(factory->CreateStream(stream.Out()), "stream");
    Check(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE), "cannot open the file");
    Com<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out()), "encoder");
    Check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "encoder");
    Com<IWICBitmapFrameEncode> frame;
    Check(encoder->CreateNewFrame(frame.Out(), nullptr), "frame");
    Check(frame->Initialize(nullptr), "frame");
    Check(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height)), "size");
    Check(frame->SetResolution(dotsPerInch, dotsPerInch), "resolution");
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    Check(frame->SetPixelFormat(&format), "pixel format");
    if (format != GUID_WICPixelFormat24bppBGR) throw std::runtime_error("PNG: pixel format");
    Check(frame->WritePixels(static_cast<UINT>(height), static_cast<UINT>(stride),
                             static_cast<UINT>(stride) * static_cast<UINT>(height),
                             static_cast<BYTE*>(const_cast<void*>(pixels))),
          "pixels");
    Check(frame->Commit(), "frame");
    Check(encoder->Commit(), "file");
  } catch (...) {
    if (uninit) CoUninitialize();
    throw;
  }
  if (uninit) CoUninitialize();
}

}  // namespace mirelo::win32
