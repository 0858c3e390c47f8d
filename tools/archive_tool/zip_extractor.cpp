#include "tools/archive_tool/zip_extractor.h"

#include <vector>

#include "duilib/zip_archive.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "tools/archive_tool/entry_path.h"

namespace {

// General purpose flag: the member's name is UTF-8; otherwise it is in the system's code page.
constexpr uint16_t kFlagUtf8Name = 0x0800;

struct PlannedMember {
  const DuiLib::CZipArchive::Member* member;
  std::vector<std::wstring> components;
};

std::wstring MemberName(const DuiLib::CZipArchive::Member& member) {
  return (member.flags & kFlagUtf8Name) != 0 ? platform::Utf8ToWide(member.name)
                                             : platform::NarrowToWide(member.name);
}

std::wstring JoinBelow(const std::wstring& directory, const std::vector<std::wstring>& parts,
                       size_t count) {
  std::wstring path = directory;
  for (size_t i = 0; i < count; ++i) {
    path += L"\\" + parts[i];
  }
  return path;
}

bool FitsOutputLimit(const DuiLib::CZipArchive& archive, std::wstring& error) {
  uint64_t total = 0;
  for (const auto& member : archive.Members()) {
    // At most 65535 sizes of 32 bits each: the sum cannot wrap.
    total += member.IsDirectory() ? 0 : member.size;
    if (total > kMaxOutputSize) {
      error = L"refused archive: its members add up to more than 1 GiB";
      return false;
    }
  }
  return true;
}

bool PlanMembers(const DuiLib::CZipArchive& archive, std::vector<PlannedMember>& plan,
                 std::wstring& error) {
  for (const auto& member : archive.Members()) {
    PlannedMember planned{&member, {}};
    if (!SplitEntryPath(MemberName(member), planned.components)) {
      error = L"refused member outside the output folder: " + MemberName(member);
      return false;
    }
    if (!planned.components.empty()) {
      plan.push_back(std::move(planned));
    }
  }
  return true;
}

ExtractResult WriteMember(const DuiLib::CZipArchive& archive, const PlannedMember& planned,
                          const std::wstring& outputDirectory, std::wstring& error) {
  const auto& parts = planned.components;
  const std::wstring path = JoinBelow(outputDirectory, parts, parts.size());
  if (planned.member->IsDirectory()) {
    if (!platform::CreateDirectories(path)) {
      error = L"cannot create folder " + path;
      return ExtractResult::kWriteFailed;
    }
    return ExtractResult::kDone;
  }
  std::string bytes;
  if (!archive.Read(*planned.member, bytes)) {
    error = L"damaged or unsupported member " + MemberName(*planned.member);
    return ExtractResult::kDamagedMember;
  }
  if (!platform::CreateDirectories(JoinBelow(outputDirectory, parts, parts.size() - 1)) ||
      !platform::WriteWholeFile(path, bytes.data(), bytes.size())) {
    error = L"cannot write " + path;
    return ExtractResult::kWriteFailed;
  }
  return ExtractResult::kDone;
}

}  // namespace

ExtractResult ExtractZip(const std::wstring& archivePath, const std::wstring& outputDirectory,
                         std::wstring& error) {
  std::string bytes;
  DuiLib::CZipArchive archive;
  if (!platform::ReadWholeFile(archivePath, bytes) || !archive.Open(bytes.data(), bytes.size())) {
    error = L"cannot read the archive " + archivePath;
    return ExtractResult::kUnreadableArchive;
  }
  if (!FitsOutputLimit(archive, error)) {
    return ExtractResult::kTooLarge;
  }
  std::vector<PlannedMember> plan;
  if (!PlanMembers(archive, plan, error)) {
    return ExtractResult::kRefusedEntry;
  }
  if (!platform::CreateDirectories(outputDirectory)) {
    error = L"cannot create folder " + outputDirectory;
    return ExtractResult::kWriteFailed;
  }
  for (const auto& planned : plan) {
    const ExtractResult result = WriteMember(archive, planned, outputDirectory, error);
    if (result != ExtractResult::kDone) {
      return result;
    }
  }
  return ExtractResult::kDone;
}
