// The package manifest: which packages this machine needs, where to get them and where to
// put them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "threads/task_records.h"

// What the manifest's entries are resolved against.
struct ManifestContext {
  std::string tempDirectory;     // where packages are downloaded to; normally ends in "\"
  std::string installerVersion;  // this setup program's version, narrow
  std::string channel;           // this setup program's channel
};

// Fetches the manifest from the maker's API server (one retry after a pause), reports step
// "7002" once a reply has arrived, deciphers and parses it, and appends an entry for every
// package this machine needs. True when a reply was fetched and parsed as JSON, whether or
// not any package was accepted. In a build with a manifest public key, a reply without a
// valid signature counts as a failed request. False at once when this run has no download
// folder. Blocks; runs on the controller thread.
bool FetchManifest(std::vector<DownInfo>& list);

// The parsing half of FetchManifest: `text` is the deciphered reply. False when it is not
// JSON. Entries of unexpected shape are skipped; nothing in the text can end the program.
bool ParseManifest(const std::string& text, const ManifestContext& context,
                   std::vector<DownInfo>& list);

// Runs `pause` in place of the 5000 ms pause between the two fetch attempts; an empty
// function restores the pause.
void SetManifestRetryPauseForTesting(std::function<void()> pause);
