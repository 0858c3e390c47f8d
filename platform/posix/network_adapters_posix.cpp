// Adapters from what the Linux kernel exposes: /sys/class/net for the list in interface
// index order, getifaddrs for the older query with IPv4 addresses. An interface with a
// device link is physical; one with a wireless or phy80211 entry is wireless.
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if_arp.h>
#include <netinet/in.h>
#include <netpacket/packet.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <dirent.h>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "platform/common/system_adapters.h"

namespace platform {
namespace {

const std::string kNetFolder = "/sys/class/net/";

bool Exists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

std::string ReadLine(const std::string& path) {
  std::ifstream file(path);
  std::string line;
  std::getline(file, line);
  return line;
}

uint32_t InterfaceType(const std::string& name, unsigned hardwareType) {
  if (hardwareType == ARPHRD_LOOPBACK) {
    return kIfTypeLoopback;
  }
  if (Exists(kNetFolder + name + "/wireless") || Exists(kNetFolder + name + "/phy80211")) {
    return kIfTypeWireless;
  }
  return hardwareType == ARPHRD_ETHER ? kIfTypeEthernet : kIfTypeOther;
}

int32_t Characteristics(const std::string& name) {
  return Exists(kNetFolder + name + "/device") ? kAdapterPhysical : 0;
}

// "aa:bb:cc:dd:ee:ff" into bytes; stops at 8 bytes or at the first malformed pair.
uint32_t ParseAddress(const std::string& text, uint8_t (&bytes)[8]) {
  uint32_t count = 0;
  for (size_t i = 0; i + 2 <= text.size() && count < 8; i += 3) {
    const std::string pair = text.substr(i, 2);
    if (pair.size() != 2 || !std::isxdigit(static_cast<unsigned char>(pair[0])) ||
        !std::isxdigit(static_cast<unsigned char>(pair[1]))) {
      break;
    }
    bytes[count++] = static_cast<uint8_t>(std::strtoul(pair.c_str(), nullptr, 16));
  }
  return count;
}

NetworkAdapter FromSysfs(const std::string& name) {
  NetworkAdapter adapter;
  adapter.name = name;
  const unsigned hardwareType = static_cast<unsigned>(
      std::strtoul(ReadLine(kNetFolder + name + "/type").c_str(), nullptr, 10));
  adapter.type = InterfaceType(name, hardwareType);
  // The loopback interface has no hardware address, as on Windows.
  if (adapter.type != kIfTypeLoopback) {
    adapter.addressLength = ParseAddress(ReadLine(kNetFolder + name + "/address"), adapter.address);
  }
  adapter.characteristics = Characteristics(name);
  return adapter;
}

class LinuxAdapters : public AdapterSource {
 public:
  bool ListAdapters(std::vector<NetworkAdapter>& adapters) override {
    DIR* folder = opendir(kNetFolder.c_str());
    if (folder == nullptr) {
      return false;
    }
    std::vector<std::pair<long, std::string>> byIndex;
    while (const dirent* entry = readdir(folder)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") {
        byIndex.emplace_back(
            std::strtol(ReadLine(kNetFolder + name + "/ifindex").c_str(), nullptr, 10), name);
      }
    }
    closedir(folder);
    std::sort(byIndex.begin(), byIndex.end());
    for (const auto& [index, name] : byIndex) {
      adapters.push_back(FromSysfs(name));
    }
    return true;
  }

  LegacyListResult ListAdaptersLegacy(std::vector<NetworkAdapter>& adapters) override {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
      return LegacyListResult::kSizeQueryFailed;
    }
    std::map<std::string, size_t> positions;
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
      if (entry->ifa_addr == nullptr) {
        continue;
      }
      auto [position, added] = positions.emplace(entry->ifa_name, adapters.size());
      if (added) {
        adapters.emplace_back();
        adapters.back().name = entry->ifa_name;
        adapters.back().firstIpv4 = "0.0.0.0";
        adapters.back().characteristics = Characteristics(entry->ifa_name);
      }
      Describe(*entry, adapters[position->second]);
    }
    freeifaddrs(list);
    return LegacyListResult::kOk;
  }

 private:
  static void Describe(const ifaddrs& entry, NetworkAdapter& adapter) {
    if (entry.ifa_addr->sa_family == AF_PACKET) {
      const auto* link = reinterpret_cast<const sockaddr_ll*>(entry.ifa_addr);
      adapter.type = InterfaceType(adapter.name, link->sll_hatype);
      if (adapter.type == kIfTypeLoopback) {
        return;
      }
      adapter.addressLength = std::min<uint32_t>(link->sll_halen, 8);
      std::copy(link->sll_addr, link->sll_addr + adapter.addressLength, adapter.address);
    } else if (entry.ifa_addr->sa_family == AF_INET && adapter.firstIpv4 == "0.0.0.0") {
      char text[INET_ADDRSTRLEN] = {};
      const auto* ip = reinterpret_cast<const sockaddr_in*>(entry.ifa_addr);
      inet_ntop(AF_INET, &ip->sin_addr, text, sizeof text);
      adapter.firstIpv4 = text;
    }
  }
};

}  // namespace

// Never destroyed: the report sender may still enumerate while the process exits.
AdapterSource& SystemAdapters() {
  static auto* adapters = new LinuxAdapters;
  return *adapters;
}

}  // namespace platform
