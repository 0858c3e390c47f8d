// The machine's adapters as records for the identity, in the platform's order.
#pragma once

#include <string>
#include <vector>

#include "reporting/adapter_record.h"

// Fills `records` from the adapter-addresses query, skipping adapters without a name.
// Returns the empty status on success; when the query fails, empties `records` and returns
// EnumerateAdaptersLegacy's status.
std::string EnumerateAdapters(std::vector<AdapterRecord>& records);

// Fills `records` from the adapter-information query with the adapters that have a name, an
// address of 6 to 8 bytes and an IPv4 address. Returns the empty status, or the failure tag
// ":3:1" (no size), ":4:1" (no buffer) or ":5:1" (query failed).
std::string EnumerateAdaptersLegacy(std::vector<AdapterRecord>& records);
