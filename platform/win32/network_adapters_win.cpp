// winsock2.h must come before windows.h, and both before the IP helper header.
#include <winsock2.h>

#include <windows.h>

#include <iphlpapi.h>

#include <cstring>
#include <new>
#include <vector>

#include "platform/common/growing_buffer_call.h"
#include "platform/common/system_adapters.h"

namespace platform {
namespace {

constexpr uint32_t kFirstBufferSize = 15000;
constexpr int kMaxAddressCalls = 3;
constexpr uint32_t kAllocationFailed = ERROR_NOT_ENOUGH_MEMORY;

void CopyAddress(const BYTE* bytes, uint32_t length, NetworkAdapter& adapter) {
  adapter.addressLength = length;
  std::memcpy(adapter.address, bytes, length < 8 ? length : 8);
}

class WindowsAdapters : public AdapterSource {
 public:
  bool ListAdapters(std::vector<NetworkAdapter>& adapters) override {
    std::vector<unsigned char> buffer;
    const uint32_t result =
        CallWithGrowingBuffer(buffer, kFirstBufferSize, kMaxAddressCalls, ERROR_BUFFER_OVERFLOW,
                              kAllocationFailed, [](unsigned char* data, uint32_t& size) {
                                ULONG length = size;
                                const ULONG answer = GetAdaptersAddresses(
                                    AF_UNSPEC, GAA_FLAG_INCLUDE_PREFIX, nullptr,
                                    reinterpret_cast<IP_ADAPTER_ADDRESSES*>(data), &length);
                                size = length;
                                return static_cast<uint32_t>(answer);
                              });
    if (result != ERROR_SUCCESS) {
      return false;
    }
    for (auto* entry = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); entry != nullptr;
         entry = entry->Next) {
      NetworkAdapter adapter;
      adapter.name = entry->AdapterName != nullptr ? entry->AdapterName : "";
      adapter.type = entry->IfType;
      CopyAddress(entry->PhysicalAddress, entry->PhysicalAddressLength, adapter);
      adapters.push_back(adapter);
    }
    return true;
  }

  LegacyListResult ListAdaptersLegacy(std::vector<NetworkAdapter>& adapters) override {
    ULONG size = 0;
    if (GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW) {
      return LegacyListResult::kSizeQueryFailed;
    }
    std::vector<unsigned char> buffer;
    try {
      buffer.assign(size, 0);
    } catch (const std::bad_alloc&) {
      return LegacyListResult::kAllocationFailed;
    }
    auto* list = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    if (GetAdaptersInfo(list, &size) != ERROR_SUCCESS) {
      return LegacyListResult::kQueryFailed;
    }
    for (const IP_ADAPTER_INFO* entry = list; entry != nullptr; entry = entry->Next) {
      NetworkAdapter adapter;
      adapter.name = entry->AdapterName;
      adapter.type = entry->Type;
      CopyAddress(entry->Address, entry->AddressLength, adapter);
      adapter.firstIpv4 = entry->IpAddressList.IpAddress.String;
      adapters.push_back(adapter);
    }
    return LegacyListResult::kOk;
  }
};

}  // namespace

// Never destroyed: the report sender may still enumerate while the process exits.
AdapterSource& SystemAdapters() {
  static auto* adapters = new WindowsAdapters;
  return *adapters;
}

}  // namespace platform
