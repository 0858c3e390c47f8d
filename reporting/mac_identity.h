// The machine identity sent with every step report: the hardware address of one adapter,
// chosen by a fixed preference, or a failure tag when no adapter list can be had.
#pragma once

#include <string>
#include <vector>

#include "reporting/adapter_record.h"

// The first record (in the given order) of the first rule any record meets: a physical
// wired adapter, then a physical wireless one, then any adapter, each with a six-byte
// address. A record without a registry entry (characteristics -1) counts as physical.
// Empty when no record qualifies.
std::string SelectMacIdentity(const std::vector<AdapterRecord>& records);

// Enumerates the adapters afresh and selects one; the enumeration's failure tag when both
// adapter queries fail.
std::string GetMacIdentity();
