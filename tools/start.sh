#!/usr/bin/env bash
# Installs what is missing, builds the program alone, and starts Tvorka1.
source "$(dirname "$0")/setup.sh" build run
cmake --build build --target tvorka1
exec build/tvorka1
