#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine, when it is missing.
set -euo pipefail
need=()
command -v g++ >/dev/null || need+=(g++)
command -v cmake >/dev/null || need+=(cmake)
command -v make >/dev/null || need+=(make)
[ -f /usr/lib/x86_64-linux-gnu/libgtest.a ] || [ -f /usr/lib/libgtest.a ] || compgen -G "/usr/lib/*/libgtest.a" >/dev/null || need+=(libgtest-dev)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  $sudo apt-get install -y "${need[@]}"
fi
