#!/usr/bin/env bash
# Fails when a C++ file of the repository is not formatted with the repo's
# .clang-format; prints the files to run clang-format -i on.
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || command -v clang-format)
unformatted=()
while IFS= read -r file; do
  "$format" --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted with .clang-format (run $format -i on them):"
  printf '  %s\n' "${unformatted[@]}"
  exit 1
fi
echo "All C++ files are formatted."
