#include "reporting/adapter_enumeration.h"

#include <cstdio>

#include "platform/network_adapters.h"
#include "reporting/adapter_characteristics.h"
#include "reporting/hardware_address.h"

namespace {

std::string FailureTag(int step) {
  char tag[16];
  std::snprintf(tag, sizeof tag, ":%d:%d", step, 1);
  return tag;
}

AdapterRecord ToRecord(const platform::NetworkAdapter& adapter, std::string mac) {
  AdapterRecord record;
  record.mac = std::move(mac);
  record.characteristics = adapter.characteristics.has_value()
                               ? *adapter.characteristics
                               : GetAdapterCharacteristics(adapter.name);
  record.type = static_cast<int32_t>(adapter.type);
  record.addressLength = adapter.addressLength;
  return record;
}

// Only six- and eight-byte addresses are written out; others take part in nothing.
std::string AddressText(const platform::NetworkAdapter& adapter) {
  if (adapter.addressLength == 6 || adapter.addressLength == 8) {
    return FormatHardwareAddress(adapter.address, adapter.addressLength == 8);
  }
  return {};
}

bool QualifiesForLegacyList(const platform::NetworkAdapter& adapter) {
  return adapter.addressLength >= 6 && adapter.addressLength <= 8 &&
         adapter.firstIpv4 != "0.0.0.0" && !adapter.name.empty();
}

}  // namespace

std::string EnumerateAdapters(std::vector<AdapterRecord>& records) {
  std::vector<platform::NetworkAdapter> adapters;
  if (!platform::Adapters().ListAdapters(adapters)) {
    records.clear();
    return EnumerateAdaptersLegacy(records);
  }
  for (const platform::NetworkAdapter& adapter : adapters) {
    if (!adapter.name.empty()) {
      records.push_back(ToRecord(adapter, AddressText(adapter)));
    }
  }
  return {};
}

std::string EnumerateAdaptersLegacy(std::vector<AdapterRecord>& records) {
  std::vector<platform::NetworkAdapter> adapters;
  switch (platform::Adapters().ListAdaptersLegacy(adapters)) {
    case platform::LegacyListResult::kSizeQueryFailed:
      return FailureTag(3);
    case platform::LegacyListResult::kAllocationFailed:
      return FailureTag(4);
    case platform::LegacyListResult::kQueryFailed:
      return FailureTag(5);
    case platform::LegacyListResult::kOk:
      break;
  }
  for (const platform::NetworkAdapter& adapter : adapters) {
    if (QualifiesForLegacyList(adapter)) {
      records.push_back(
          ToRecord(adapter, FormatHardwareAddress(adapter.address, adapter.addressLength != 6)));
    }
  }
  return {};
}
