#!/bin/sh
# Every C++ source the repository holds is as the committed .clang-format
# lays it out. Run with the project's root as the argument; skipped (77)
# outside a git work tree (a source package).
cd "$1" || exit 2
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || exit 77
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
