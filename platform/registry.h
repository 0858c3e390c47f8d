// Read-only access to HKEY_LOCAL_MACHINE.
//
// Everything goes through a RegistryBackend: the Windows registry on Windows, an empty one
// elsewhere (every key is absent), or a fake that a test installs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

enum class RegistryView {
  kDefault,  // the process's own view (the 32-bit one for a 32-bit program on 64-bit Windows)
  k64Bit,    // KEY_WOW64_64KEY
};

class RegistryBackend {
 public:
  using KeyId = uintptr_t;  // 0 is never a valid key
  virtual ~RegistryBackend() = default;
  virtual KeyId Open(const std::wstring& path, RegistryView view) = 0;
  virtual void Close(KeyId key) = 0;
  // Reads a value into a zeroed buffer of `bufferBytes` bytes and takes the text up to its
  // first zero character. False when the value is missing or larger than the buffer. The
  // value's registry type is not looked at.
  virtual bool ReadString(KeyId key, const std::wstring& name, size_t bufferBytes,
                          std::wstring& text) = 0;
  virtual bool ReadDword(KeyId key, const std::wstring& name, uint32_t& value) = 0;
  // Name of the subkey at `index` (buffer of 260 characters); false past the last one.
  virtual bool EnumSubkey(KeyId key, uint32_t index, std::wstring& name) = 0;
  virtual bool CountSubkeys(KeyId key, uint32_t& count) = 0;
};

// The backend in use. Thread-safe to call; the backends themselves keep no shared state.
RegistryBackend& Registry();

// Installs `backend` in place of the platform's until called again with nullptr.
void SetRegistryForTesting(RegistryBackend* backend);

// A key of HKEY_LOCAL_MACHINE opened for reading (KEY_READ), closed by the destructor.
class RegistryKey {
 public:
  RegistryKey(const std::wstring& path, RegistryView view = RegistryView::kDefault);
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  bool IsOpen() const { return key_ != 0; }
  bool ReadString(const std::wstring& name, size_t bufferBytes, std::wstring& text) const;
  bool ReadDword(const std::wstring& name, uint32_t& value) const;
  bool EnumSubkey(uint32_t index, std::wstring& name) const;
  bool CountSubkeys(uint32_t& count) const;

 private:
  RegistryBackend& backend_;
  RegistryBackend::KeyId key_;
};

}  // namespace platform
