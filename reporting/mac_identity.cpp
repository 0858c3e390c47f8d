#include "reporting/mac_identity.h"

#include <functional>

#include "platform/network_adapters.h"
#include "reporting/adapter_enumeration.h"

namespace {

using Rule = std::function<bool(const AdapterRecord&)>;

bool IsPhysical(const AdapterRecord& record) {
  return (record.characteristics & platform::kAdapterPhysical) != 0;
}

bool IsWireless(const AdapterRecord& record) {
  return record.type == static_cast<int32_t>(platform::kIfTypeWireless);
}

}  // namespace

std::string SelectMacIdentity(const std::vector<AdapterRecord>& records) {
  const Rule rules[] = {
      [](const AdapterRecord& r) { return IsPhysical(r) && !IsWireless(r); },
      [](const AdapterRecord& r) { return IsPhysical(r) && IsWireless(r); },
      [](const AdapterRecord&) { return true; },
  };
  for (const Rule& rule : rules) {
    for (const AdapterRecord& record : records) {
      if (record.addressLength == 6 && rule(record)) {
        return record.mac;
      }
    }
  }
  return {};
}

std::string GetMacIdentity() {
  std::vector<AdapterRecord> records;
  const std::string status = EnumerateAdapters(records);
  return status.empty() ? SelectMacIdentity(records) : status;
}
