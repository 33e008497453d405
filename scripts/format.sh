#!/usr/bin/env bash
# Lays out every C++ file of the project as .clang-format says; the test
# command fails on a file this would change.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
git ls-files -- src tests bench | grep -E '\.(cpp|h)$' | xargs clang-format -i
