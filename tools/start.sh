#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tvorka1.
source "$(dirname "$0")/setup.sh" build run
exec build/tvorka1
