#!/usr/bin/env bash
# The program's main job. The setup shell does not exist yet; this will build the setup,
# start the API stand-in with the demo manifest and packages, and run the setup under Wine.
echo "scripts/run.sh: the setup program is not built yet; see README.md." >&2
exit 1
