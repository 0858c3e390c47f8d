// The machine identity: the adapter preference and address text as tables of records, the
// primary and fallback enumerations with their failure tags through a fake adapter source,
// the registry characteristics lookup through a fake registry, the three-call buffer rule,
// and the real platform's adapters.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "platform/common/growing_buffer_call.h"
#include "platform/network_adapters.h"
#include "reporting/adapter_characteristics.h"
#include "reporting/adapter_enumeration.h"
#include "reporting/hardware_address.h"
#include "reporting/mac_identity.h"
#include "tests/support/fake_registry.h"

namespace {

constexpr int32_t kPhysical = 0x4;
constexpr int32_t kVirtual = 0x1;
constexpr int32_t kNoEntry = -1;
constexpr int32_t kWired = 6;
constexpr int32_t kWireless = 71;

TEST(SelectMacIdentityTest, PrefersPhysicalWiredThenPhysicalWirelessThenAny) {
  const struct {
    const char* name;
    std::vector<AdapterRecord> records;
    const char* identity;
  } cases[] = {
      {"wired wins over an earlier wireless",
       {{"WI", kPhysical, kWireless, 6}, {"WD", kPhysical, kWired, 6}},
       "WD"},
      {"physical wireless wins over an earlier virtual wired",
       {{"VW", kVirtual, kWired, 6}, {"WI", kPhysical, kWireless, 6}},
       "WI"},
      {"only virtual adapters: the first one",
       {{"V1", kVirtual, kWired, 6}, {"V2", kVirtual, kWireless, 6}},
       "V1"},
      {"no registry entry counts as physical",
       {{"V1", kVirtual, kWired, 6}, {"NE", kNoEntry, kWired, 6}},
       "NE"},
      {"two physical wired: the first listed",
       {{"B", kPhysical | kVirtual, kWired, 6}, {"A", kPhysical, kWired, 6}},
       "B"},
      {"eight-byte addresses never qualify",
       {{"E8", kPhysical, kWired, 8}, {"V6", kVirtual, kWired, 6}},
       "V6"},
      {"nothing with six bytes", {{"", kPhysical, 24, 0}, {"E8", kPhysical, kWired, 8}}, ""},
      {"no adapters at all", {}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SelectMacIdentity(c.records), c.identity) << c.name;
  }
}

TEST(HardwareAddressTest, WritesUpperCaseHexPairs) {
  const uint8_t bytes[8] = {0x00, 0x0A, 0xFF, 0x3c, 0x4d, 0x5e, 0x01, 0x02};
  EXPECT_EQ(FormatHardwareAddress(bytes, false), "00-0A-FF-3C-4D-5E");
  EXPECT_EQ(FormatHardwareAddress(bytes, true), "00-0A-FF-3C-4D-5E-01-02");
}

platform::NetworkAdapter Adapter(const std::string& name, uint32_t type,
                                 std::vector<uint8_t> address, const std::string& ipv4 = "") {
  platform::NetworkAdapter adapter;
  adapter.name = name;
  adapter.type = type;
  adapter.addressLength = static_cast<uint32_t>(address.size());
  for (size_t i = 0; i < address.size() && i < 8; ++i) {
    adapter.address[i] = address[i];
  }
  adapter.firstIpv4 = ipv4;
  return adapter;
}

class FakeAdapters : public platform::AdapterSource {
 public:
  FakeAdapters() { platform::SetAdapterSourceForTesting(this); }
  ~FakeAdapters() override { platform::SetAdapterSourceForTesting(nullptr); }

  bool ListAdapters(std::vector<platform::NetworkAdapter>& adapters) override {
    adapters = primary;
    return primaryWorks;
  }
  platform::LegacyListResult ListAdaptersLegacy(
      std::vector<platform::NetworkAdapter>& adapters) override {
    adapters = legacy;
    return legacyResult;
  }

  bool primaryWorks = true;
  std::vector<platform::NetworkAdapter> primary;
  platform::LegacyListResult legacyResult = platform::LegacyListResult::kOk;
  std::vector<platform::NetworkAdapter> legacy;
};

const std::wstring kClass =
    L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";

// An adapter class where "{WIRED}" is physical and "{VIRTUAL}" is not.
void AddAdapterClass(FakeRegistry& registry) {
  registry.SetString(kClass + L"\\0000", L"NetCfgInstanceId", L"{wired}");
  registry.SetDword(kClass + L"\\0000", L"Characteristics", kPhysical);
  registry.SetString(kClass + L"\\0001", L"NetCfgInstanceId", L"{VIRTUAL}");
  registry.SetDword(kClass + L"\\0001", L"Characteristics", kVirtual);
}

// A registry whose keys cannot tell how many subkeys they have.
class UncountableRegistry : public FakeRegistry {
 public:
  bool CountSubkeys(KeyId, uint32_t&) override { return false; }
};

TEST(EnumerateAdaptersTest, TakesThePrimaryListWithRegistryCharacteristics) {
  FakeRegistry registry;
  AddAdapterClass(registry);
  FakeAdapters adapters;
  adapters.primary = {Adapter("{VIRTUAL}", 6, {1, 2, 3, 4, 5, 6}),
                      Adapter("", 6, {9, 9, 9, 9, 9, 9}),
                      Adapter("{UNKNOWN}", 71, {0xA, 0xB, 0xC, 0xD, 0xE, 0xF, 1, 2}),
                      Adapter("{WIRED}", 6, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}),
                      Adapter("{ODD}", 6, {1, 2, 3, 4, 5})};
  std::vector<AdapterRecord> records;
  EXPECT_EQ(EnumerateAdapters(records), "");
  ASSERT_EQ(records.size(), 4u);  // the nameless adapter is skipped
  EXPECT_EQ(records[0].mac, "01-02-03-04-05-06");
  EXPECT_EQ(records[0].characteristics, kVirtual);
  EXPECT_EQ(records[1].mac, "0A-0B-0C-0D-0E-0F-01-02");
  EXPECT_EQ(records[1].characteristics, -1);
  EXPECT_EQ(records[1].type, 71);
  EXPECT_EQ(records[2].characteristics, kPhysical);
  EXPECT_EQ(records[3].mac, "");
  EXPECT_EQ(records[3].addressLength, 5u);
  EXPECT_EQ(GetMacIdentity(), "00-1A-2B-3C-4D-5E");
}

TEST(EnumerateAdaptersTest, FallsBackToTheLegacyListWithItsFilters) {
  FakeRegistry registry;
  AddAdapterClass(registry);
  FakeAdapters adapters;
  adapters.primaryWorks = false;
  adapters.primary = {Adapter("{WIRED}", 6, {1, 1, 1, 1, 1, 1})};  // partial, discarded
  adapters.legacy = {Adapter("{VIRTUAL}", 6, {1, 2, 3, 4, 5, 6}, "10.0.0.2"),
                     Adapter("{NOIP}", 6, {2, 2, 2, 2, 2, 2}, "0.0.0.0"),
                     Adapter("", 6, {3, 3, 3, 3, 3, 3}, "10.0.0.3"),
                     Adapter("{SHORT}", 6, {4, 4, 4, 4, 4}, "10.0.0.4"),
                     Adapter("{SEVEN}", 6, {7, 7, 7, 7, 7, 7, 7}, "10.0.0.7"),
                     Adapter("{WIRED}", 6, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, "10.0.0.5")};
  std::vector<AdapterRecord> records;
  EXPECT_EQ(EnumerateAdapters(records), "");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].mac, "01-02-03-04-05-06");
  EXPECT_EQ(records[1].mac, "07-07-07-07-07-07-07-00");  // all eight bytes for other lengths
  EXPECT_EQ(records[1].addressLength, 7u);
  EXPECT_EQ(records[2].characteristics, kPhysical);
  EXPECT_EQ(GetMacIdentity(), "00-1A-2B-3C-4D-5E");
}

TEST(EnumerateAdaptersTest, ReportsTheLegacyFailureTags) {
  FakeAdapters adapters;
  adapters.primaryWorks = false;
  const struct {
    platform::LegacyListResult result;
    const char* tag;
  } cases[] = {{platform::LegacyListResult::kSizeQueryFailed, ":3:1"},
               {platform::LegacyListResult::kAllocationFailed, ":4:1"},
               {platform::LegacyListResult::kQueryFailed, ":5:1"}};
  for (const auto& c : cases) {
    adapters.legacyResult = c.result;
    EXPECT_EQ(GetMacIdentity(), c.tag);
  }
}

TEST(AdapterCharacteristicsTest, ScansTheAdapterClass) {
  {
    FakeRegistry registry;  // no adapter class at all
    EXPECT_EQ(GetAdapterCharacteristics("{WIRED}"), -1);
  }
  FakeRegistry registry;
  AddAdapterClass(registry);
  EXPECT_EQ(registry.OpenKeyCount(), 0);
  // A matching entry without "Characteristics" does not end the scan.
  registry.SetString(kClass + L"\\0002", L"NetCfgInstanceId", L"{LATE}");
  registry.SetString(kClass + L"\\0003", L"NetCfgInstanceId", L"{late}");
  registry.SetDword(kClass + L"\\0003", L"Characteristics", 0x84);
  EXPECT_EQ(GetAdapterCharacteristics("{WIRED}"), kPhysical);
  EXPECT_EQ(GetAdapterCharacteristics("{virtual}"), kVirtual);
  EXPECT_EQ(GetAdapterCharacteristics("{LATE}"), 0x84);
  EXPECT_EQ(GetAdapterCharacteristics("{MISSING}"), -1);
  EXPECT_EQ(GetAdapterCharacteristics(""), -1);
  EXPECT_EQ(registry.OpenKeyCount(), 0);  // every key closed again
}

TEST(AdapterCharacteristicsTest, TriesAHundredSubkeysWhenTheyCannotBeCounted) {
  {
    FakeRegistry registry;
    registry.SetString(kClass + L"\\0099", L"NetCfgInstanceId", L"{FAR}");
    registry.SetDword(kClass + L"\\0099", L"Characteristics", kPhysical);
    EXPECT_EQ(GetAdapterCharacteristics("{FAR}"), -1);  // one subkey counted: only 0000 tried
  }
  UncountableRegistry registry;
  registry.SetString(kClass + L"\\0099", L"NetCfgInstanceId", L"{FAR}");
  registry.SetDword(kClass + L"\\0099", L"Characteristics", kPhysical);
  registry.SetString(kClass + L"\\0100", L"NetCfgInstanceId", L"{BEYOND}");
  registry.SetDword(kClass + L"\\0100", L"Characteristics", kPhysical);
  EXPECT_EQ(GetAdapterCharacteristics("{FAR}"), kPhysical);
  EXPECT_EQ(GetAdapterCharacteristics("{BEYOND}"), -1);
}

TEST(GrowingBufferCallTest, GivesUpAfterThreeTooSmallAnswers) {
  constexpr uint32_t kTooSmall = 111;
  constexpr uint32_t kNoMemory = 8;
  std::vector<unsigned char> buffer;
  std::vector<uint32_t> sizes;
  auto alwaysTooSmall = [&](unsigned char*, uint32_t& size) {
    sizes.push_back(size);
    size += 1000;
    return kTooSmall;
  };
  EXPECT_EQ(platform::CallWithGrowingBuffer(buffer, 15000, 3, kTooSmall, kNoMemory, alwaysTooSmall),
            kTooSmall);
  EXPECT_EQ(sizes, (std::vector<uint32_t>{15000, 16000, 17000}));

  sizes.clear();
  auto fitsSecondTime = [&](unsigned char* data, uint32_t& size) {
    sizes.push_back(size);
    if (size < 20000) {
      size = 20000;
      return kTooSmall;
    }
    data[size - 1] = 1;  // the whole reported size is there
    return 0u;
  };
  EXPECT_EQ(platform::CallWithGrowingBuffer(buffer, 15000, 3, kTooSmall, kNoMemory, fitsSecondTime),
            0u);
  EXPECT_EQ(sizes, (std::vector<uint32_t>{15000, 20000}));
  EXPECT_EQ(buffer.size(), 20000u);
}

TEST(MacIdentityTest, TheRealAdaptersGiveAnAddressOrNothing) {
  const std::string identity = GetMacIdentity();
  EXPECT_TRUE(identity.empty() ||
              std::regex_match(identity, std::regex("([0-9A-F]{2}-){5}[0-9A-F]{2}")))
      << identity;
}

}  // namespace
